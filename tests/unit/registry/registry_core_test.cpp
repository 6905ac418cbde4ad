#include <gtest/gtest.h>

#include <cstring>

#include "registry/key_path.h"
#include "registry/nt_messages.h"
#include "registry/sid_text.h"

namespace {

using registry::FullKeyPath;
using registry::NativeRootPath;
using registry::RootKey;

const std::u16string kSid = u"S-1-5-21-1004336348-1177238915-682003330-1001";

TEST(KeyPathTest, RootsMapToTheirNativePaths) {
    EXPECT_EQ(NativeRootPath(RootKey::LocalMachine, kSid), u"\\Registry\\Machine");
    EXPECT_EQ(NativeRootPath(RootKey::ClassesRoot, kSid),
              u"\\Registry\\Machine\\SOFTWARE\\Classes");
    EXPECT_EQ(NativeRootPath(RootKey::CurrentConfig, kSid),
              u"\\Registry\\Machine\\System\\CurrentControlSet\\Hardware Profiles\\Current");
    EXPECT_EQ(NativeRootPath(RootKey::Users, kSid), u"\\Registry\\User");
    EXPECT_EQ(NativeRootPath(RootKey::CurrentUser, kSid), u"\\Registry\\User\\" + kSid);
    // HKEY_PERFORMANCE_DATA and any other value fall to the current user as well.
    EXPECT_EQ(NativeRootPath(static_cast<RootKey>(0x80000004), kSid), u"\\Registry\\User\\" + kSid);
}

TEST(KeyPathTest, RelativePathsHangBelowTheRootWithOneBackslash) {
    const std::u16string machine = u"\\Registry\\Machine";
    const std::u16string uninstall =
        u"\\Registry\\Machine\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    EXPECT_EQ(FullKeyPath(machine, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"),
              uninstall);
    EXPECT_EQ(FullKeyPath(machine, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"),
              uninstall);
    EXPECT_EQ(FullKeyPath(machine, u"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"),
              uninstall);
    EXPECT_EQ(FullKeyPath(machine, u""), machine);
    EXPECT_EQ(FullKeyPath(machine, u"\\"), machine);
    EXPECT_EQ(FullKeyPath(machine, u"A\\\\"), machine + u"\\A");
}

TEST(KeyPathTest, PathsWithTheRegistryPrefixInAnyCaseAreFullAlready) {
    const std::u16string user = u"\\Registry\\User\\" + kSid;
    for (const char16_t* full : {u"\\Registry\\Machine\\SOFTWARE", u"\\REGISTRY\\MACHINE\\X\\",
                                 u"\\registry\\user", u"\\ReGiStRy\\"}) {
        EXPECT_EQ(FullKeyPath(user, full), full);
    }
    // Not the prefix: "\registry" without its backslash, or a key merely named like it.
    EXPECT_EQ(FullKeyPath(user, u"\\registry"), user + u"\\registry");
    EXPECT_EQ(FullKeyPath(user, u"Registry\\Machine"), user + u"\\Registry\\Machine");
}

TEST(SidTextTest, AuthorityIsDecimalUnlessItsHighBytesAreSet) {
    const uint8_t nt[6] = {0, 0, 0, 0, 0, 5};
    const uint32_t subs[] = {21, 1004336348, 1177238915, 682003330, 1001};
    EXPECT_EQ(registry::SidText(1, nt, subs, 5), kSid);
    const uint8_t world[6] = {0, 0, 0, 0, 0, 1};
    const uint32_t zero[] = {0};
    EXPECT_EQ(registry::SidText(1, world, zero, 1), u"S-1-1-0");
    // The low four bytes are one big-endian number.
    const uint8_t wide[6] = {0, 0, 0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(registry::SidText(1, wide, nullptr, 0), u"S-1-305419896");
    const uint8_t high[6] = {0x00, 0x0A, 0xBC, 0x00, 0xEF, 0x01};
    EXPECT_EQ(registry::SidText(1, high, subs, 1), u"S-1-0x000abc00ef01-21");
    const uint32_t biggest[] = {4294967295u};
    EXPECT_EQ(registry::SidText(255, nt, biggest, 1), u"S-255-5-4294967295");
}

TEST(NtMessagesTest, ErrorTextShowsTheStatusTwiceAndTheMessage) {
    EXPECT_EQ(registry::NtErrorText(0xC0000034, u"Object Name not found.\r\n"),
              u"Error( 3221225524 [0xC0000034L] ) - Object Name not found.");
    EXPECT_EQ(registry::NtErrorText(5, u"Access is denied.\n"),
              u"Error( 5 [0x       5L] ) - Access is denied.");
    EXPECT_EQ(registry::NtErrorText(0x1A2B, u"Line one.\r\nLine two.\r\n"),
              u"Error( 6699 [0x    1A2BL] ) - Line one.\r\nLine two.");
    EXPECT_EQ(registry::NtErrorText(0xC000007A, u""),
              u"Error( 3221225594 [0xC000007AL] ) - No NT Error Data was returned??");
    EXPECT_EQ(registry::NtErrorText(0, u"\r\n"),
              u"Error( 0 [0x       0L] ) - No NT Error Data was returned??");
}

TEST(NtMessagesTest, MissingEntryPointsAreNamedWithTheOneOddSpelling) {
    EXPECT_EQ(registry::MissingEntryPointText("NtCreateKey"),
              u"Could not find NtCreateKey entry point in NTDLL.DLL");
    EXPECT_EQ(registry::MissingEntryPointText("NtSetValueKey"),
              u"Could not find NTSetValueKey entry point in NTDLL.DLL");
}

TEST(NtMessagesTest, BindingOrderStartsWithThreadsAndKeysAndEndsWithHives) {
    EXPECT_EQ(registry::kNtFunctionCount, 30u);
    EXPECT_STREQ(registry::NtFunctionName(0), "NtOpenThread");
    EXPECT_STREQ(registry::NtFunctionName(8), "NtSetValueKey");
    EXPECT_STREQ(registry::NtFunctionName(29), "RtlFreeUnicodeString");
    EXPECT_EQ(registry::NtFunctionIndex("NtSetValueKey"), 8u);
    EXPECT_EQ(registry::NtFunctionIndex("NtQueryInformationToken"), 19u);
    EXPECT_EQ(registry::NtFunctionIndex("NtUnloadKey"), 27u);
    EXPECT_EQ(registry::NtFunctionIndex("NoSuchFunction"), registry::kNtFunctionCount);
}

}  // namespace
