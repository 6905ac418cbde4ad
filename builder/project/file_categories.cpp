#include "builder/project/file_categories.h"

#include "base/text.h"

namespace project {

namespace {

bool IsOtherFiles(CategoryId category) {
    return category == CategoryId::OtherFiles;
}

std::vector<std::u16string>& PathList(ProjectModel* model, CategoryId category) {
    return model->paths[static_cast<size_t>(category)];
}

const std::vector<std::u16string>& PathList(const ProjectModel& model, CategoryId category) {
    return model.paths[static_cast<size_t>(category)];
}

}  // namespace

std::u16string_view CategoryCaption(CategoryId category) {
    switch (category) {
        case CategoryId::ExpertAdvisors:
            return u"Expert Advisors";
        case CategoryId::CustomIndicators:
            return u"Custom Indicators";
        case CategoryId::Scripts:
            return u"Scripts";
        case CategoryId::Sounds:
            return u"Sounds";
        case CategoryId::DllFiles:
            return u"DLL Files for Expert Advisors";
        case CategoryId::OtherFiles:
            return u"Other Files";
    }
    return u"";
}

size_t FileCount(const ProjectModel& model, CategoryId category) {
    return IsOtherFiles(category) ? model.otherFiles.size() : PathList(model, category).size();
}

const std::u16string& FilePathAt(const ProjectModel& model, CategoryId category, size_t index) {
    return IsOtherFiles(category) ? model.otherFiles[index].fileName
                                  : PathList(model, category)[index];
}

int FindFile(const ProjectModel& model, CategoryId category, std::u16string_view path) {
    const size_t count = FileCount(model, category);
    for (size_t i = 0; i < count; ++i) {
        if (FilePathAt(model, category, i) == path) return static_cast<int>(i);
    }
    return -1;
}

AddFileResult AddFile(ProjectModel* model, CategoryId category, std::u16string_view path) {
    if (path.empty()) return AddFileResult::EmptyPath;
    if (FindFile(*model, category, path) >= 0) return AddFileResult::AlreadyListed;
    if (FileCount(*model, category) >= kMaxFilesPerCategory) return AddFileResult::CategoryFull;
    if (IsOtherFiles(category)) {
        model->otherFiles.push_back(NewFileEntry(path));
    } else {
        PathList(model, category).emplace_back(path);
    }
    return AddFileResult::Added;
}

std::u16string AddFileMessage(AddFileResult result, CategoryId category, std::u16string_view path) {
    switch (result) {
        case AddFileResult::CategoryFull:
            return text::Format(
                u"\"%s\" was not added: %s can hold at most %d files.",
                {path, CategoryCaption(category), text::FromInt(kMaxFilesPerCategory)});
        case AddFileResult::EmptyPath:
            return u"A file without a name cannot be added.";
        case AddFileResult::Added:
        case AddFileResult::AlreadyListed:
            break;
    }
    return {};
}

bool RemoveFileAt(ProjectModel* model, CategoryId category, size_t index) {
    if (index >= FileCount(*model, category)) return false;
    if (IsOtherFiles(category)) {
        model->otherFiles.erase(model->otherFiles.begin() + static_cast<ptrdiff_t>(index));
    } else {
        auto& list = PathList(model, category);
        list.erase(list.begin() + static_cast<ptrdiff_t>(index));
    }
    return true;
}

bool EditEntry(ProjectModel* model, size_t index, const FileEntry& entry) {
    if (index >= model->otherFiles.size()) return false;
    model->otherFiles[index] = entry;
    return true;
}

}  // namespace project
