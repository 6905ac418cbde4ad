#include "tools/gallery/win/sample_pages.h"

#include "base/text.h"
#include "builder/project/file_categories.h"

namespace gallery {

project::ProjectModel SampleProject() {
    project::ProjectModel model;
    project::AddFile(&model, project::CategoryId::ExpertAdvisors,
                     u"C:\\Samples\\Crossing Averages.ex4");
    project::AddFile(&model, project::CategoryId::CustomIndicators, u"C:\\Samples\\Band Width.ex4");
    project::AddFile(&model, project::CategoryId::CustomIndicators, u"C:\\Samples\\Band Width.mq4");
    project::AddFile(&model, project::CategoryId::Sounds, u"C:\\Samples\\alert.wav");
    project::AddFile(&model, project::CategoryId::OtherFiles, u"C:\\Samples\\Read Me.txt");
    project::AddFile(&model, project::CategoryId::OtherFiles, u"C:\\Samples\\tool.exe");
    model.otherFiles[1].shortcut = u"Sample Tool";
    return model;
}

project::FileEntry SampleEntry() {
    project::FileEntry entry = project::NewFileEntry(u"C:\\Samples\\tool.exe");
    entry.destination = u"{desktop}";
    entry.shortcut = u"Sample Tool";
    entry.parameters = u"/quiet";
    entry.onlyIfNewer = u"Yes";
    return entry;
}

bool FillScrollGrid(CObjectInspector& grid, int rows) {
    for (int i = 1; i <= rows; ++i) {
        if (!grid.AddRow(u"Row " + text::FromInt(i), widgets::kCaptionRow)) return false;
    }
    return true;
}

}  // namespace gallery
