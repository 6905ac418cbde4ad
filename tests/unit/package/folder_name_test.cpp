// The names that may be emptied below Program Files and the Programs folder, and the paths
// that listed files may have.
#include "package/folder_name.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
