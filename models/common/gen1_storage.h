// A first-generation model's data files: "pro.data" (a ProDataHeader, then the profiles in the
// model's file layout) and "macro.data" (240-byte macro records) in the model's folder of the
// data folder, plus exported profiles ("*.pro") and macros ("*.macro") of one raw record each.
// Saves may come from the UI thread, the worker and the polling threads, and from other objects on
// the same folder (the macro editor, the picker): each load and save holds the file's FileLock.
#pragma once

#include "gen1_model.h"
#include "gen1_records.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

// Resolves a language text id ("add_profile_text") to the text shown; the page supplies it.
using TextResolver = std::function<std::wstring(std::wstring_view strTextId)>;

// What a load found. In every case the list holds whole, sanitised records afterwards, and a
// profile load leaves at least one profile and an index inside the list.
enum class LoadResult : uint8_t {
    Loaded,       // the file was read whole
    TailDropped,  // a partial record at the end was dropped; the file was copied aside first
                  // (to the first free ".bad", ".bad1", ...) and the next save rewrites it
    Created,      // no file: one default profile, written at once (macros: an empty list, no file)
    Replaced,     // no whole record: the file was renamed aside; profiles start from a default
                  // written at once, macros from an empty list
    Unreadable,   // the file cannot be read, or it is damaged and no copy of it could be kept: it
                  // is left alone and never saved over in this run; the list holds the whole
                  // records read, else profiles run on an in-memory default, macros on an empty list
};

// What the page's start found in each of its two files.
struct PageDataLoad {
    LoadResult eProfiles;
    LoadResult eMacros;
};

enum class ImportResult : uint8_t { Imported, Unreadable, TooShort, DoesNotFit };

class Gen1Storage {
public:
    Gen1Storage(const Gen1Model& model, std::wstring strDataFolder, TextResolver resolveText);
    Gen1Storage(const Gen1Storage&) = delete;
    Gen1Storage& operator=(const Gen1Storage&) = delete;

    const Gen1Model& Model() const { return m_model; }
    std::wstring ModelFolder() const;   // data folder + "ms_10"
    std::wstring ProDataPath() const;   // ...\ms_10\pro.data
    std::wstring MacroDataPath() const; // ...\ms_10\macro.data

    // Factory defaults; szName, iMoveMode and the reserved words stay as they are.
    void SetDefaultProfile(ProfileRecord& profile) const;
    // Appends a default profile named "add_profile_text" + (count + 1), made unique. No save.
    ProfileRecord* AddDefaultProfile(ProfileList& profiles) const;
    // Writes pro.data. False (and the file unchanged) on failure, for an empty list, and while
    // the file that was found could not be read.
    bool SaveProData(const ProfileList& profiles, const ProDataHeader& header);
    // Appends the file's profiles to the (empty) list and fills the header.
    LoadResult LoadProData(ProfileList& profiles, ProDataHeader& header);

    // Appends an empty macro named "add_macro_text" + (count + 1), made unique, and saves.
    MacroRecord* AddMacroRecord(MacroList& macros);
    bool SaveMacroData(const MacroList& macros);
    LoadResult LoadMacroData(MacroList& macros);

    // The page's start: LoadProData, then LoadMacroData, then every button whose macro index
    // names no macro of the list gets -1 (ClampMacroIndexes), so no index from pro.data reaches
    // past the macro list whatever macro.data held.
    PageDataLoad LoadPageData(ProfileList& profiles, ProDataHeader& header, MacroList& macros);

    // Exported profile: one record in the model's file layout.
    bool ExportProfile(const ProfileRecord& profile, const std::wstring& strPath) const;
    // Reads the first record of a profile file into profile (untouched unless Imported).
    ImportResult ReadProfileFile(const std::wstring& strPath, ProfileRecord& profile) const;
    // The page's import: the record is appended under a free name, and each macro button gets a
    // macro of its own (made unique) appended to the macro list, which is then saved; an empty
    // profile or macro name is named as a new profile or macro would be. Returns the new profile,
    // or nullptr when the file was refused (nothing changes then); a carried macro that would not
    // fit the model's macro frame refuses the whole file as DoesNotFit.
    ProfileRecord* ImportProfile(const std::wstring& strPath, ProfileList& profiles, MacroList& macros,
                                 ImportResult* pResult = nullptr);

    // Exported macro: one raw 240-byte record.
    bool ExportMacro(const MacroRecord& macro, const std::wstring& strPath) const;
    // A macro that would not fit the model's macro frame is refused as DoesNotFit.
    ImportResult ReadMacroFile(const std::wstring& strPath, MacroRecord& macro) const;
    // The editor's import: appended under a free name (an empty one named as a new macro) and
    // saved; nullptr when refused.
    MacroRecord* ImportMacro(const std::wstring& strPath, MacroList& macros, ImportResult* pResult = nullptr);

private:
    std::wstring Text(std::wstring_view strTextId) const;
    // strName, or when it is empty the base name of a new record: the text of strTextId
    // ("add_profile_text", "add_macro_text") followed by the list's size + 1.
    std::wstring NameOrNew(std::wstring_view strName, std::wstring_view strTextId, size_t uListSize) const;
    void StartWithDefault(ProfileList& profiles, ProDataHeader& header) const;
    bool WriteProData(const ProfileList& profiles, const ProDataHeader& header);
    bool WriteMacroData(const MacroList& macros);

    const Gen1Model& m_model;
    const ProfileLayout& m_layout;
    std::wstring m_strDataFolder;
    TextResolver m_resolveText;
    std::atomic<bool> m_bProDataReadOnly{false};
    std::atomic<bool> m_bMacroDataReadOnly{false};
};

// The first macro whose name equals the entry's macro name without regard to case: *piIndex is
// its position and *pbEqual is 1 when its action count and actions equal the entry's copy, else
// 0; the result is *pbEqual. No match (or an empty list): 0, outputs untouched.
int FindKeyMacro(const MacroList& macros, const KeyEntry& entry, int* piIndex, int* pbEqual);
