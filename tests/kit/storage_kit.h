// Storage tests of either generation: one model's data folder in a scratch folder, pro.data images
// made by the test itself, and macro records built in place.
#pragma once

#include "tests/kit/file_kit.h"
#include "models/data/name_helpers.h"
#include "models/data/profile_layout.h"
#include "models/data/record_storage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace testkit {

inline std::wstring Texts(std::wstring_view strId) {
    if (strId == L"add_profile_text") return L"Profile";
    if (strId == L"add_macro_text") return L"Macro";
    return L"?";
}

template <class Rec>
inline std::unique_ptr<Rec> Zeroed() {
    auto pRec = std::make_unique<Rec>();
    std::memset(pRec.get(), 0, sizeof(Rec));
    return pRec;
}

inline int32_t IntAt(const std::vector<uint8_t>& bytes, size_t uOffset) {
    int32_t iValue = 0;
    std::memcpy(&iValue, bytes.data() + uOffset, sizeof iValue);
    return iValue;
}

// One model's storage in a data folder of its own ("Data" inside a scratch folder).
template <class Storage>
struct StorageFiles {
    using Model = typename Storage::ModelType;
    using Profile = typename Storage::Profile;

    StorageFiles(const Model& model, const std::wstring& strScratch)
        : model(model), scratch(strScratch), strDataFolder(scratch / L"Data"), storage(model, strDataFolder + L"\\", Texts) {}

    size_t RecordSize() const { return static_cast<size_t>(storage.RecordSize()); }
    size_t HeaderSize() const { return static_cast<size_t>(storage.HeaderSize()); }
    std::wstring ProData() const { return storage.ProDataPath(); }
    std::wstring MacroData() const { return storage.MacroDataPath(); }

    std::unique_ptr<Profile> Default(const std::wstring& strName) const {
        auto pProfile = Zeroed<Profile>();
        storage.SetDefaultProfile(*pProfile);
        CopyName(pProfile->szName, strName);
        return pProfile;
    }
    // A pro.data image of these profiles, written by the test itself.
    std::vector<uint8_t> FileOf(const std::vector<const Profile*>& profiles, int32_t iCurProfile,
                                uint8_t byReserved = 0) const {
        std::vector<uint8_t> bytes(HeaderSize(), byReserved);
        std::memcpy(bytes.data(), &iCurProfile, 4);
        for (const Profile* pProfile : profiles) {
            const size_t uAt = bytes.size();
            bytes.resize(uAt + RecordSize());
            ToFileRecord(model.Layout(), *pProfile, bytes.data() + uAt);
        }
        return bytes;
    }
    void PutProData(const std::vector<uint8_t>& bytes) const { PutFile(ProData(), bytes); }
    void PutMacroData(const std::vector<uint8_t>& bytes) const { PutFile(MacroData(), bytes); }

    const Model& model;
    ScratchFolder scratch;
    std::wstring strDataFolder;
    Storage storage;

private:
    void PutFile(const std::wstring& strPath, const std::vector<uint8_t>& bytes) const {
        CreateDirectoryW(strDataFolder.c_str(), nullptr);
        CreateDirectoryW(storage.ModelFolder().c_str(), nullptr);
        ASSERT_TRUE(WriteBytes(strPath, bytes));
    }
};

template <class MacroRec>
inline std::unique_ptr<MacroRec> MacroOf(const std::wstring& strName,
                                         std::initializer_list<typename MacroRec::ActionType> actions) {
    auto pMacro = Zeroed<MacroRec>();
    CopyName(pMacro->szName, strName);
    for (const auto& action : actions) pMacro->stActions[pMacro->iActionNum++] = action;
    return pMacro;
}

// The model's factory profile named "Carrier", with a macro of a key's press and release on button
// 3 (an import that took it would write macro.data) and any edit, exported to strPath.
template <class Storage>
bool ExportCarrier(const Storage& storage, const std::wstring& strPath,
                   const std::function<void(typename Storage::Profile&)>& edit = {}) {
    auto pProfile = Zeroed<typename Storage::Profile>();
    storage.SetDefaultProfile(*pProfile);
    CopyName(pProfile->szName, L"Carrier");
    auto& entry = pProfile->stKeys[2];
    entry.byFunction = kFunctionMacro;
    CopyName(entry.szMacroName, L"Carried");
    entry.wActionNum = 2;
    entry.stActions[0].byKey = entry.stActions[1].byKey = 0x04;
    entry.stActions[0].byType = kActionPress;
    entry.stActions[1].byType = kActionRelease;
    if (edit) edit(*pProfile);
    return storage.ExportProfile(*pProfile, strPath);
}

template <class Rec>
inline std::vector<uint8_t> BytesOf(const Rec& rec) {
    const auto* p = reinterpret_cast<const uint8_t*>(&rec);
    return std::vector<uint8_t>(p, p + sizeof rec);
}

// One macro file the editor's import reads: what it gives, and the name and action count of the
// macro it appends (none when refused).
struct MacroImportRow {
    const char* pszCase;
    std::vector<uint8_t> bytes;
    ImportResult eResult;
    const wchar_t* pszName;  // nullptr: refused, nothing appended
    int32_t iActions;
};

// Imports each row's file in turn into macros; an accepted one is appended and saved at once.
template <class Files, class Macros>
void ExpectMacroImports(Files& files, Macros& macros, const std::vector<MacroImportRow>& rows) {
    using Macro = typename Macros::value_type::element_type;
    for (const MacroImportRow& row : rows) {
        SCOPED_TRACE(row.pszCase);
        ASSERT_TRUE(WriteBytes(files.scratch / L"in.macro", row.bytes));
        const size_t uBefore = macros.size();
        ImportResult eResult = ImportResult::Unreadable;
        Macro* pMacro = files.storage.ImportMacro(files.scratch / L"in.macro", macros, &eResult);
        EXPECT_EQ(eResult, row.eResult);
        if (row.pszName == nullptr) {
            EXPECT_EQ(pMacro, nullptr);
            EXPECT_EQ(macros.size(), uBefore);
            continue;
        }
        ASSERT_NE(pMacro, nullptr);
        EXPECT_EQ(NameOf(pMacro->szName), row.pszName);
        EXPECT_EQ(pMacro->iActionNum, row.iActions);
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), sizeof(Macro) * macros.size());
    }
}

// What a load did with a damaged file: nothing, renamed it aside, or copied it aside.
enum class Aside { None, Moved, Copied };

}  // namespace testkit
