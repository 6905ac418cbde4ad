#include "builder/ui/page_fields.h"

#include "builder/ui/project_info_keys.h"
#include "widgets/grid_layout.h"

namespace ui {

using project::ProjectModel;

namespace {

constexpr int kName = static_cast<int>(project::kNameCapacity) - 1;
constexpr int kUrl = static_cast<int>(project::kUrlCapacity) - 1;

}  // namespace

const TextField kTextFields[kTextFieldCount] = {
    {7001, &ProjectModel::productName, -1, kName},
    {7007, &ProjectModel::productDirectory, -1, kName},
    {7008, &ProjectModel::startMenuGroup, -1, kName},
    {7009, nullptr, 0, kVersionTextLength},
    {7010, nullptr, 1, kVersionTextLength},
    {7011, nullptr, 2, kVersionTextLength},
    {7012, nullptr, 3, kVersionTextLength},
    {7002, &ProjectModel::publisher, -1, kName},
    {7003, &ProjectModel::publisherAddress, -1, kName},
    {7004, &ProjectModel::productUrl, -1, kUrl},
    {7005, &ProjectModel::contactName, -1, kName},
    {7006, &ProjectModel::contactEmail, -1, kName},
};

namespace {

struct RichTextField {
    RichText page;
    std::u16string ProjectModel::*member;
};
constexpr RichTextField kRichTexts[] = {
    {RichText::License, &ProjectModel::licenseRtf},
    {RichText::Readme, &ProjectModel::readmeRtf},
    {RichText::WhatsNew, &ProjectModel::whatsNewRtf},
};

}  // namespace

std::u16string& FieldText(ProjectModel* model, const TextField& field) {
    if (field.member) return model->*field.member;
    return model->version[static_cast<size_t>(field.versionIndex)];
}

const std::u16string& FieldText(const ProjectModel& model, const TextField& field) {
    if (field.member) return model.*field.member;
    return model.version[static_cast<size_t>(field.versionIndex)];
}

void GatherProject(const ProjectPages& pages, ProjectModel* model) {
    for (const TextField& field : kTextFields) {
        FieldText(model, field) = pages.FieldText(field.windowId);
    }
    for (int i = 0; i < project::kExpertOptionCount; ++i) {
        model->expertOptions[i] =
            static_cast<project::OptionState>(pages.OptionCheck(ui::kExpertOptionBoxIds[i]));
    }
    for (const RichTextField& text : kRichTexts) model->*text.member = pages.RichTextOf(text.page);
    model->targetFile = pages.TargetFile();
}

void ApplyProject(const ProjectModel& model, ProjectPages* pages) {
    for (const TextField& field : kTextFields) {
        pages->SetFieldText(field.windowId, FieldText(model, field));
    }
    pages->ShowModelFilesAndPictures();
    for (int i = 0; i < project::kExpertOptionCount; ++i) {
        pages->SetOptionCheck(ui::kExpertOptionBoxIds[i], static_cast<int>(model.expertOptions[i]));
    }
    for (const RichTextField& text : kRichTexts) pages->SetRichText(text.page, model.*text.member);
    pages->SetTargetFile(model.targetFile);
}

void ResetPages(ProjectModel* model, ProjectPages* pages) {
    project::ResetProject(model);
    ApplyProject(*model, pages);
    pages->ClearBuildLog();
}

}  // namespace ui
