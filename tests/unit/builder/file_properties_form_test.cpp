#include "builder/ui/file_properties_form.h"

#include <gtest/gtest.h>

namespace {

using project::FileEntry;
using widgets::FilePropertiesForm;

FileEntry Entry() {
    FileEntry e;
    e.fileName = u"C:\\src\\tool.exe";
    e.destination = u"{desktop}";
    e.shortcut = u"Tool";
    e.parameters = u"/quiet";
    e.onlyIfNewer = u"0";
    e.neverUninstall = u"0";
    e.autostart = u"0";
    e.postExecute = u"0";
    return e;
}

TEST(FilePropertiesFormTest, FlagsAreTickedOnlyByYes) {
    FileEntry e = Entry();
    e.neverUninstall = u"Yes";
    e.autostart = u"yes";  // case matters
    e.postExecute = u"";
    FilePropertiesForm form = FilePropertiesForm::FromEntry(e);
    EXPECT_FALSE(form.onlyIfNewer);
    EXPECT_TRUE(form.neverUninstall);
    EXPECT_FALSE(form.autostart);
    EXPECT_FALSE(form.postExecute);
    // Opening applies no rule, whatever the flags.
    e.autostart = u"Yes";
    EXPECT_TRUE(FilePropertiesForm::FromEntry(e).destinationEnabled);
    EXPECT_EQ(FilePropertiesForm::FromEntry(e).destination, u"{desktop}");
}

TEST(FilePropertiesFormTest, OkWritesYesOrEmptyAndKeepsTheFileName) {
    // A fresh Add Files entry comes back with four empty flags.
    FileEntry fresh = project::NewFileEntry(u"C:\\a.txt");
    FileEntry back = FilePropertiesForm::FromEntry(fresh).ToEntry(fresh);
    EXPECT_EQ(back.fileName, u"C:\\a.txt");
    EXPECT_EQ(back.destination, u"{app}");
    for (int c = 4; c < 8; ++c) EXPECT_EQ(project::EntryColumn(back, c), u"") << c;

    // "Only if newer" cannot be changed in the dialog: "Yes" stays "Yes".
    FileEntry newer = Entry();
    newer.onlyIfNewer = u"Yes";
    FilePropertiesForm form = FilePropertiesForm::FromEntry(newer);
    form.destination = u"Plain Folder";  // typed, not in the list: kept as typed
    form.neverUninstall = true;
    form.fileName = u"changed";  // shown only, never written back
    back = form.ToEntry(newer);
    EXPECT_EQ(back.onlyIfNewer, u"Yes");
    EXPECT_EQ(back.neverUninstall, u"Yes");
    EXPECT_EQ(back.destination, u"Plain Folder");
    EXPECT_EQ(back.fileName, u"C:\\src\\tool.exe");
    EXPECT_EQ(back.shortcut, u"Tool");
    EXPECT_EQ(back.parameters, u"/quiet");
}

TEST(FilePropertiesFormTest, PostExecuteEmptiesTheShortcutAndLocksApp) {
    FilePropertiesForm form = FilePropertiesForm::FromEntry(Entry());
    form.postExecute = true;
    form.PostExecuteChanged();
    EXPECT_EQ(form.shortcut, u"");
    EXPECT_EQ(form.destination, u"{app}");
    EXPECT_FALSE(form.destinationEnabled);
    // Unticking unlocks the list but leaves "{app}" and the empty shortcut.
    form.postExecute = false;
    form.PostExecuteChanged();
    EXPECT_TRUE(form.destinationEnabled);
    EXPECT_EQ(form.destination, u"{app}");
    EXPECT_EQ(form.shortcut, u"");
}

TEST(FilePropertiesFormTest, AutostartLocksAppButKeepsTheShortcut) {
    FilePropertiesForm form = FilePropertiesForm::FromEntry(Entry());
    form.autostart = true;
    form.AutostartChanged();
    EXPECT_EQ(form.destination, u"{app}");
    EXPECT_FALSE(form.destinationEnabled);
    EXPECT_EQ(form.shortcut, u"Tool");
    // Either flag alone keeps the lock.
    form.postExecute = true;
    form.PostExecuteChanged();
    form.autostart = false;
    form.AutostartChanged();
    EXPECT_FALSE(form.destinationEnabled);
    form.postExecute = false;
    form.PostExecuteChanged();
    EXPECT_TRUE(form.destinationEnabled);
}

TEST(FilePropertiesFormTest, SixteenDestinationChoicesStartWithApp) {
    EXPECT_EQ(std::u16string(widgets::kDestinationChoices[0]), u"{app}");
    EXPECT_EQ(std::u16string(widgets::kDestinationChoices[6]), u"{metatrader}\\experts");
    EXPECT_EQ(std::u16string(widgets::kDestinationChoices[15]),
              u"{metatrader}\\experts\\templates");
}

}  // namespace
