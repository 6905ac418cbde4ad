// tessark list, extract and verify: looking into a setup executable's package.
#include <algorithm>
#include <set>

#include "base/text.h"
#include "builder/build/build_setup.h"
#include "builder/build/setup_size.h"
#include "cli/command.h"
#include "cli/project_fields.h"
#include "cli/project_io.h"
#include "cli/text_project/text_project.h"
#include "cli/setup_file.h"
#include "cli/stream_check.h"
#include "package/signed_end.h"

namespace cli {

namespace {

const char16_t* const kStringNames[package::kProjectStringCount] = {
    u"productName", u"productDirectory", u"startMenuGroup", u"builderVersion", u"versionText",
    u"publisher",   u"publisherAddress", u"productUrl",     u"contactName",    u"contactEmail",
};

std::u16string Cell(const std::u16string& text) {
    return text.empty() ? u"-" : text;
}

std::u16string Flags(const FileRecord& record) {
    std::u16string flags;
    const struct {
        const std::u16string& flag;
        const char16_t* name;
    } all[] = {
        {record.onlyIfNewer, u"onlyIfNewer"},
        {record.neverUninstall, u"neverUninstall"},
        {record.autostart, u"autostart"},
        {record.postExecute, u"postExecute"},
    };
    for (const auto& item : all) {
        if (!IsFlagSet(item.flag)) continue;
        if (!flags.empty()) flags += u',';
        flags += item.name;
    }
    return Cell(flags);
}

// Prints rows with every column as wide as its widest cell, two blanks between columns.
void PrintTable(const std::vector<std::vector<std::u16string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    for (const auto& row : rows) {
        std::u16string line = u"  ";
        for (size_t c = 0; c < row.size(); ++c) {
            std::u16string cell = row[c];
            if (c + 1 < row.size()) cell.resize(widths[c] + 2, u' ');
            line += cell;
        }
        Print(line);
    }
}

// The files of a text project as its setup's table will hold them after the five entries
// every setup has: each folder entry already expanded into its files.
int ListTextProject(const os::Path& path) {
    project::ProjectModel model;
    const std::u16string error = OpenProject(path, &model);
    if (!error.empty()) return Fail(error);
    std::vector<std::vector<std::u16string>> rows = {{u"#", u"Name", u"Destination", u"Source"}};
    const auto add = [&rows](const std::u16string& source, const std::u16string& destination) {
        const size_t slash = source.find_last_of(u"\\/");
        const std::u16string name =
            slash == std::u16string::npos ? source : source.substr(slash + 1);
        rows.push_back({text::FromInt(rows.size() + 4), name, destination, source});
    };
    for (int c = 0; c < project::kPathCategoryCount; ++c) {
        for (const std::u16string& source : model.paths[c]) {
            add(source, build::kCategoryDestinations[c]);
        }
    }
    for (const project::FileEntry& entry : model.otherFiles) {
        add(entry.fileName, entry.destination + u"\\");
    }
    Print(text::Format(u"Files of %s (%d, after the five every setup has):",
                       {path, text::FromInt(rows.size() - 1)}));
    PrintTable(rows);
    return kExitOk;
}

}  // namespace

int RunList(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    if (text_project::IsTextProjectPath(path)) return ListTextProject(path);
    CSelfExtractor extractor;
    const std::u16string error = ReadSetup(path, &extractor);
    if (!error.empty()) return Fail(error);

    const ProjectStrings& strings = extractor.GetProjectStrings();
    std::vector<std::vector<std::u16string>> rows;
    for (int i = 0; i < package::kProjectStringCount; ++i) {
        rows.push_back({kStringNames[i], Cell(strings.*kProjectStringFields[i])});
    }
    Print(u"Project strings:");
    PrintTable(rows);

    rows.clear();
    for (int i = 0; i < package::kExpertOptionCount; ++i) {
        rows.push_back({text::FromUtf8(project::kExpertOptionInfo[i].name),
                        OptionStateText(extractor.GetExpertOptions().*kExpertOptionFields[i])});
    }
    Print(u"Expert options:");
    PrintTable(rows);

    rows = {{u"#", u"Name", u"Destination", u"Shortcut", u"Parameters", u"Flags", u"Size",
             u"Packed", u"Offset"}};
    for (int32_t i = 0; i < extractor.GetFileCount(); ++i) {
        const FileRecord& r = *extractor.GetFileRecord(i);
        rows.push_back({text::FromInt(i), Cell(r.name), Cell(r.destination), Cell(r.shortcut),
                        Cell(r.parameters), Flags(r), text::FromInt(r.uncompressedSize),
                        text::FromInt(r.compressedSize), text::FromInt(r.offset)});
    }
    Print(text::Format(u"Files (%d):", {text::FromInt(extractor.GetFileCount())}));
    PrintTable(rows);
    return kExitOk;
}

int RunExtract(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    const os::Path& folder = args.positional[1];
    CSelfExtractor extractor;
    std::u16string error = ReadSetup(path, &extractor);
    if (!error.empty()) return Fail(error);

    std::vector<int32_t> indices;
    for (size_t i = 2; i < args.positional.size(); ++i) {
        const std::u16string& value = args.positional[i];
        int64_t index = 0;
        bool number = !value.empty() && value.size() <= 9;
        for (const char16_t c : value) {
            number = number && c >= u'0' && c <= u'9';
            index = index * 10 + (c - u'0');
        }
        if (!number) return UsageError(u"extract", u"not a file index: " + value);
        if (index >= extractor.GetFileCount()) {
            return Fail(text::Format(u"%s has no file %s (its files are 0 to %d)",
                                     {path, value, text::FromInt(extractor.GetFileCount() - 1)}));
        }
        indices.push_back(static_cast<int32_t>(index));
    }
    if (indices.empty()) {
        for (int32_t i = 0; i < extractor.GetFileCount(); ++i) indices.push_back(i);
    }

    if (!os::CreateFolderTree(folder)) {
        return Fail(
            text::Format(u"cannot create the folder %s: %s", {folder, os::LastErrorMessage()}));
    }
    os::File package;
    if (!package.OpenRead(path)) {
        return Fail(text::Format(u"cannot open %s: %s", {path, os::LastErrorMessage()}));
    }
    const os::Path into = CSelfExtractor::EnsureTrailingBackslash(folder);
    std::set<std::u16string> written;
    int failures = 0;
    for (const int32_t index : indices) {
        const FileRecord& record = *extractor.GetFileRecord(index);
        if (!IsPlainFileName(record.name)) {
            Fail(text::Format(u"file %d is not extracted: its name %s is not a plain file name",
                              {text::FromInt(index), record.name}));
            ++failures;
            continue;
        }
        if (extractor.ExtractFileTo(package, index, into) != SFX_OK) {
            Fail(
                text::Format(u"file %d (%s) could not be extracted: its stream is damaged or "
                             u"%s cannot be written",
                             {text::FromInt(index), record.name, into + record.name}));
            ++failures;
            continue;
        }
        const bool again = !written.insert(record.name).second;
        Print(text::Format(u"%d  %s%s", {text::FromInt(index), record.name,
                                         again ? u"  (replaces the file of the same name)" : u""}));
    }
    return failures == 0 ? kExitOk : kExitFailure;
}

int RunVerify(const ParsedArguments& args) {
    const os::Path& path = args.positional[0];
    CSelfExtractor extractor;
    const std::u16string error = ReadSetup(path, &extractor);
    if (!error.empty()) return Fail(error);
    os::File package;
    if (!package.OpenRead(path)) {
        return Fail(text::Format(u"cannot open %s: %s", {path, os::LastErrorMessage()}));
    }

    // The streams lie back to back and the trailer follows the last one.
    int64_t expectedOffset = extractor.GetFileRecord(0)->offset;
    int damaged = 0;
    for (int32_t i = 0; i < extractor.GetFileCount(); ++i) {
        const FileRecord& record = *extractor.GetFileRecord(i);
        std::u16string problem;
        if (record.offset != expectedOffset) {
            problem = text::Format(
                u"the stream starts at %d, not right after the one before "
                u"(%d)",
                {text::FromInt(record.offset), text::FromInt(expectedOffset)});
        } else {
            problem = StreamProblem(extractor.VerifyFile(package, i), record);
        }
        expectedOffset = static_cast<int64_t>(record.offset) + record.compressedSize;
        if (problem.empty()) {
            Print(text::Format(u"ok       %d  %s", {text::FromInt(i), record.name}));
        } else {
            Print(text::Format(u"DAMAGED  %d  %s: %s", {text::FromInt(i), record.name, problem}));
            ++damaged;
        }
    }
    // A signed setup's package ends before its certificate table.
    const int64_t trailerStart = package::PackageEnd(package) - build::TrailerSize(extractor);
    if (expectedOffset != trailerStart) {
        Print(text::Format(u"DAMAGED  the last stream ends at %d, but the trailer starts at %d",
                           {text::FromInt(expectedOffset), text::FromInt(trailerStart)}));
        ++damaged;
    }
    if (damaged > 0) {
        return Fail(
            text::Format(u"%s is not sound: %d problems found", {path, text::FromInt(damaged)}));
    }
    Print(text::Format(u"%s is sound: %d files checked",
                       {path, text::FromInt(extractor.GetFileCount())}));
    return kExitOk;
}

}  // namespace cli
