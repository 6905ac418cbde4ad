// The names that may be emptied below Program Files and the Programs folder, the paths that
// listed files may have, and the folders a setup may be told to install into.
#include "package/folder_name.h"

#include <gtest/gtest.h>

namespace {

using package::IsFolderPath;
using package::IsFullPath;
using package::IsSubfolderName;

TEST(SubfolderName, AcceptsRelativeFolderNames) {
    for (const char16_t* name : {u"Acme Robot", u"Acme\\Robot 2.0", u"Acme/Robot", u"Acme\\",
                                 u"v1.2", u".hidden", u"Acme\\.", u" Acme"}) {
        EXPECT_TRUE(IsSubfolderName(name)) << std::u16string(name).size();
    }
}

TEST(SubfolderName, RefusesWhatCouldNameTheBaseOrLeaveIt) {
    for (const char16_t* name : {u"",
                                 u"\\",
                                 u"/",
                                 u"\\Windows",
                                 u"\\\\server\\share",
                                 u"C:",
                                 u"C:\\Windows",
                                 u"C:Windows",
                                 u"..",
                                 u"..\\Windows",
                                 u"Acme\\..\\..",
                                 u"Acme..Robot",
                                 u".",
                                 u".\\",
                                 u".\\.\\",
                                 u" ",
                                 u". .",
                                 u"\\.",
                                 u"Acme*",
                                 u"Acme?",
                                 u"Ac|me",
                                 u"A<b>",
                                 u"Acme\"",
                                 u"Acme\tRobot",
                                 u"Acme:stream"}) {
        EXPECT_FALSE(IsSubfolderName(name)) << std::u16string(name).size();
    }
}

TEST(FullPath, DriveAndNetworkPathsOnly) {
    EXPECT_TRUE(IsFullPath(u"C:\\Program Files\\MT4\\experts\\Robot.ex4"));
    EXPECT_TRUE(IsFullPath(u"d:/data/file"));
    EXPECT_TRUE(IsFullPath(u"\\\\server\\share\\file"));
    for (const char16_t* path : {u"", u"C:", u"C:file", u"1:\\file", u"experts\\Robot.ex4",
                                 u"\\Windows\\file", u"\\\\\\file", u"\\\\"}) {
        EXPECT_FALSE(IsFullPath(path)) << std::u16string(path).size();
    }
}

TEST(FolderPath, FullPathsWrittenOneWay) {
    for (const char16_t* path :
         {u"C:\\", u"z:\\", u"C:\\MT4", u"D:\\Program Files (x86)\\MetaTrader 4", u"C:\\MT4.\\a b",
          u"\\\\server\\share\\MT4", u"\\\\server", u"E:\\Börse 4"}) {
        EXPECT_TRUE(IsFolderPath(path)) << std::u16string(path).size();
    }
    // Not full, not backslashed, or with an empty name.
    for (const char16_t* path :
         {u"", u"C:", u"C:MT4", u"MT4", u"\\MT4", u"1:\\MT4", u"C:/MT4", u"C:\\MT4/experts",
          u"//server/share", u"C:\\MT4\\", u"C:\\\\MT4", u"C:\\MT4\\\\experts", u"\\\\",
          u"\\\\\\server", u"\\\\server\\"}) {
        EXPECT_FALSE(IsFolderPath(path)) << std::u16string(path).size();
    }
}

TEST(FolderPath, NoCharacterThatNoWindowsNameCanHold) {
    for (const char16_t* path :
         {u"C:\\MT4*", u"C:\\MT?", u"C:\\a<b", u"C:\\a>b", u"C:\\a|b", u"C:\\a\"b", u"C:\\a\tb",
          u"C:\\a\x1f", u"C:\\a:b", u"C::\\a", u"\\\\server:1\\a"}) {
        EXPECT_FALSE(IsFolderPath(path)) << std::u16string(path).size();
    }
    EXPECT_FALSE(IsFolderPath(std::u16string(u"C:\\MT4\0x", 8)));
    EXPECT_FALSE(IsFolderPath(std::u16string(u"C:\\\0", 4)));
}

}  // namespace
