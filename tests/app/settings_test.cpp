// Settings file, language choice, autostart value and the version text.
#include "core/app/autostart.h"
#include "core/app/settings_file.h"
#include "core/app/version_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

std::wstring TempFile(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + name;
    DeleteFileW(path.c_str());
    return path;
}

std::string ReadAll(const std::wstring& path) {
    std::string text;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (f == nullptr) return text;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    fclose(f);
    return text;
}

TEST(SettingsFile, ReadsMissingKeysAsMinusOneAndWritesDecimalValuesInSectionSetting) {
    CSettingsFile file(TempFile(L"orvek_settings_test.ini"));
    EXPECT_EQ(file.ReadLanguage(), -1);
    EXPECT_EQ(file.ReadStartup(), -1);
    EXPECT_EQ(file.ReadFeedback(), -1);

    file.SaveLanguageSetting(3);
    file.SaveStartupSetting(0);
    file.SaveFeedbackSetting(1);
    EXPECT_EQ(file.ReadLanguage(), 3);
    EXPECT_EQ(file.ReadStartup(), 0);
    EXPECT_EQ(file.ReadFeedback(), 1);
    const std::string text = ReadAll(file.Path());
    EXPECT_NE(text.find("[SETTING]"), std::string::npos) << text;
    EXPECT_NE(text.find("lanId=3"), std::string::npos) << text;
    EXPECT_NE(text.find("Feedback=1"), std::string::npos) << text;
    DeleteFileW(file.Path().c_str());
}

TEST(Language, FileValueWinsElseTheUserInterfaceLanguageDecides) {
    struct Row { int file; LANGID ui; int expected; const wchar_t* lan; };
    const Row rows[] = {
        {1, 0x0409, 1, L"lan/CN.xml"},     {2, 0x0804, 2, L"lan/EN.xml"},  {3, 0x0409, 3, L"lan/YUENAN.xml"},
        {-1, 0x0804, 1, L"lan/CN.xml"},    {-1, 0x042A, 3, L"lan/YUENAN.xml"}, {-1, 0x0409, 2, L"lan/EN.xml"},
        {7, 0x0409, 2, L"lan/EN.xml"},     {0, 0x0404, 2, L"lan/EN.xml"},  {4, 0x0804, 1, L"lan/CN.xml"},
    };
    for (const Row& r : rows) {
        const int lan = ChooseLanguage(r.file, r.ui);
        EXPECT_EQ(lan, r.expected) << r.file << " " << std::hex << r.ui;
        EXPECT_STREQ(LanguageFile(lan), r.lan);
    }
}

class Autostart : public ::testing::Test {
protected:
    static constexpr wchar_t kKey[] = L"SOFTWARE\\OrvekTests\\Run";
    void SetUp() override {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegDeleteValueW(key, kProgramName);
        RegCloseKey(key);
    }
    void SetRaw(DWORD type, const void* data, DWORD bytes) {
        HKEY key;
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key);
        RegSetValueExW(key, kProgramName, 0, type, static_cast<const BYTE*>(data), bytes);
        RegCloseKey(key);
    }
    void SetText(const std::wstring& text) {
        SetRaw(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring exe = L"C:\\Program Files\\ORVEK\\OrvekDriver.exe";
};

TEST_F(Autostart, RegistersTheQuotedPathAndFindsItAgain) {
    CAutostart autostart(exe, kKey);
    EXPECT_FALSE(autostart.IsRegistered());
    ASSERT_TRUE(autostart.Register());
    EXPECT_TRUE(autostart.IsRegistered());
    EXPECT_EQ(autostart.CommandLine(), L"\"C:\\Program Files\\ORVEK\\OrvekDriver.exe\" -auto");
    autostart.Unregister();
    EXPECT_FALSE(autostart.IsRegistered());
    autostart.Unregister();  // nothing there any more: harmless
}

TEST_F(Autostart, AcceptsTheUnquotedFormInAnyCaseAndNothingElse) {
    CAutostart autostart(exe, kKey);
    struct Row { std::wstring value; bool registered; };
    const Row rows[] = {
        {L"C:\\Program Files\\ORVEK\\OrvekDriver.exe -auto", true},
        {L"c:\\program files\\orvek\\ORVEKDRIVER.EXE -AUTO", true},
        {L"\"c:\\program files\\orvek\\orvekdriver.exe\" -auto", true},
        {L"C:\\Other\\OrvekDriver.exe -auto", false},
        {L"C:\\Program Files\\ORVEK\\OrvekDriver.exe", false},
        {L"", false},
    };
    for (const Row& r : rows) {
        SetText(r.value);
        EXPECT_EQ(autostart.IsRegistered(), r.registered);
    }
}

// (A REG_SZ without its terminator cannot be stored here: the registry adds one when writing.)
TEST_F(Autostart, AValueOfAnotherTypeCountsAsAbsent) {
    CAutostart autostart(exe, kKey);
    const std::wstring text = autostart.CommandLine();
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    for (DWORD type : {DWORD(REG_EXPAND_SZ), DWORD(REG_BINARY), DWORD(REG_MULTI_SZ)}) {
        SetRaw(type, text.c_str(), bytes);
        EXPECT_FALSE(autostart.IsRegistered()) << type;
    }
    SetRaw(REG_SZ, text.c_str(), bytes);
    EXPECT_TRUE(autostart.IsRegistered());
}

TEST_F(Autostart, ALongProgramPathIsWrittenAndFoundWhole) {
    std::wstring longExe = L"C:\\";
    while (longExe.size() < 300) longExe += L"very long folder name\\";
    longExe += L"OrvekDriver.exe";
    CAutostart autostart(longExe, kKey);
    ASSERT_TRUE(autostart.Register());
    EXPECT_TRUE(autostart.IsRegistered());
}

TEST(Autostart2, RegisterFailsWhenTheKeyCannotBeOpened) {
    CAutostart autostart(L"C:\\x.exe", L"SOFTWARE\\OrvekTests\\NoSuchKey\\Run");
    EXPECT_FALSE(autostart.Register());
    EXPECT_FALSE(autostart.IsRegistered());
}

std::vector<unsigned char> VersionBlock(DWORD ms, DWORD ls) {
    std::vector<unsigned char> block(40 + sizeof(VS_FIXEDFILEINFO), 0);
    const WORD total = static_cast<WORD>(block.size()), valueLength = sizeof(VS_FIXEDFILEINFO);
    memcpy(block.data(), &total, 2);
    memcpy(block.data() + 2, &valueLength, 2);
    memcpy(block.data() + 6, L"VS_VERSION_INFO", 32);
    VS_FIXEDFILEINFO info = {};
    info.dwSignature = 0xFEEF04BD;
    info.dwFileVersionMS = ms;
    info.dwFileVersionLS = ls;
    memcpy(block.data() + 40, &info, sizeof info);
    return block;
}

TEST(VersionText, ShowsEachPartInFullAndNothingForAMalformedBlock) {
    auto block = VersionBlock(MAKELONG(2, 1), MAKELONG(4, 3));
    EXPECT_EQ(FileVersionTextFromBlock(block.data(), block.size()), L"1.2.3.4");
    block = VersionBlock(MAKELONG(0, 1), MAKELONG(4, 260));
    EXPECT_EQ(FileVersionTextFromBlock(block.data(), block.size()), L"1.0.260.4");

    EXPECT_EQ(FileVersionTextFromBlock(block.data(), 40), L"");  // cut short
    EXPECT_EQ(FileVersionTextFromBlock(nullptr, 0), L"");
    auto badSignature = block;
    badSignature[40] ^= 0xFF;
    EXPECT_EQ(FileVersionTextFromBlock(badSignature.data(), badSignature.size()), L"");
    auto badKey = block;
    badKey[6] = 'X';
    EXPECT_EQ(FileVersionTextFromBlock(badKey.data(), badKey.size()), L"");
    EXPECT_EQ(FileVersionText(GetModuleHandleW(nullptr)), L"");  // this test program has no version resource
}

TEST(VersionText, TheProgramShowsItsOwnVersion) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring program(exe);
    program = program.substr(0, program.find_last_of(L'\\') + 1) + L"OrvekDriver.exe";
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(FileVersionText(module), L"1.0.0.0");
    FreeLibrary(module);
}

}  // namespace
