// A model's data files, for either generation: "pro.data" (a ProDataHeader, then the profiles in
// the model's file layout) and "macro.data" (raw macro records) in the model's folder of the data
// folder, plus exported profiles ("*.pro") and macros ("*.macro") of one record each. One
// implementation over the generation's record traits (Gen1Records, Gen2Records):
//   using Model   = the model description (Gen1Model, Gen2Model)
//   using Profile = the in-memory profile record; using Macro = the macro record
//   static const ProfileLayoutT<Profile>& Layout(const Model&)   how a file keeps a profile
//   static void SetDefaultProfile(const Model&, Profile&)        the factory defaults
//   static bool RepairProfile(const Model&, Profile&), RepairMacro(Macro&)   records from a file
//       (record_repair.h); true when something had to change
//   static bool MacroFits(const Model&, const Macro&)            the fit predicate of the macro frame
//   static bool IsMacroFunction(uint8_t byFunction)              buttons that carry a macro copy
// Saves may come from the UI thread and the worker, and from other objects on the same folder (the
// macro editor, the picker): each load and save of a file holds its FileLock. A page that guards
// its lists with a lock of its own serialises under it (SerializeProData) and writes outside it
// (WriteProDataBytes).
#pragma once

#include "models/data/record_types.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Resolves a language text id ("add_profile_text") to the text shown; the page supplies it.
using TextResolver = std::function<std::wstring(std::wstring_view strTextId)>;

// What a load found. In every case the list holds whole, repaired records afterwards, and a
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

// What an import made of a file; every refusal leaves the lists and the files as they were.
enum class ImportResult : uint8_t {
    Imported,
    Unreadable,
    TooShort,    // shorter than one record
    Foreign,     // exactly one record of another layout long: another model family's export
    Damaged,     // its record holds what this program never writes (the repair would change it)
    DoesNotFit,  // a macro the model's macro frame cannot hold
};

template <class Records>
class RecordStorage {
public:
    using ModelType = typename Records::Model;
    using Profile = typename Records::Profile;
    using Macro = typename Records::Macro;
    using Key = typename Profile::KeyType;
    using Profiles = RecordList<Profile>;
    using Macros = RecordList<Macro>;

    RecordStorage(const ModelType& model, std::wstring strDataFolder, TextResolver resolveText);
    RecordStorage(const RecordStorage&) = delete;
    RecordStorage& operator=(const RecordStorage&) = delete;

    const ModelType& Model() const { return m_model; }
    std::wstring ModelFolder() const;   // data folder + "ms_10"
    std::wstring ProDataPath() const;   // ...\ms_10\pro.data
    std::wstring MacroDataPath() const; // ...\ms_10\macro.data
    int RecordSize() const;             // one profile in the model's files
    int HeaderSize() const;             // the ProDataHeader of pro.data

    // Factory defaults; szName, iMoveMode and the reserved words stay as they are.
    void SetDefaultProfile(Profile& profile) const;
    // Appends a default profile named "add_profile_text" + (count + 1), made unique. No save.
    Profile* AddDefaultProfile(Profiles& profiles) const;

    // pro.data's bytes for a list and header; empty for an empty list (no file holds no profile).
    std::vector<uint8_t> SerializeProData(const Profiles& profiles, const ProDataHeader& header) const;
    // Writes bytes made by SerializeProData. False (and the file unchanged) on failure, for bytes
    // that are not a header and whole records, and while the file found could not be read.
    bool WriteProDataBytes(const std::vector<uint8_t>& bytes);
    // Both in one: false for an empty list.
    bool SaveProData(const Profiles& profiles, const ProDataHeader& header);
    // Appends the file's profiles to the (empty) list and fills the header.
    LoadResult LoadProData(Profiles& profiles, ProDataHeader& header);

    // Appends an empty macro named "add_macro_text" + (count + 1), made unique, and saves.
    Macro* AddMacroRecord(Macros& macros);
    std::vector<uint8_t> SerializeMacroData(const Macros& macros) const;
    bool WriteMacroDataBytes(const std::vector<uint8_t>& bytes);
    bool SaveMacroData(const Macros& macros);
    LoadResult LoadMacroData(Macros& macros);

    // The page's start: LoadProData, then LoadMacroData, then every button whose macro index
    // names no macro of the list gets -1, so no index from pro.data reaches past the macro list
    // whatever macro.data held.
    PageDataLoad LoadPageData(Profiles& profiles, ProDataHeader& header, Macros& macros);

    // Exported profile: one record in the model's file layout.
    bool ExportProfile(const Profile& profile, const std::wstring& strPath) const;
    // Reads the first record of a profile file into profile (untouched unless Imported). A file
    // of exactly another layout's record size is Foreign; a longer file of any other size is read
    // as its first record.
    ImportResult ReadProfileFile(const std::wstring& strPath, Profile& profile) const;
    // The page's import, in its two halves: ReadImport reads the file (ReadProfileFile; a carried
    // macro that would not fit the model's macro frame refuses the whole file as DoesNotFit), and
    // AddImported appends the record under a free name, each macro button with a macro of its own
    // (made unique) appended to the macro list; an empty profile or macro name is named as a new
    // profile or macro would be. AddImported touches no file: it returns the new profile and
    // whether macros were added (the macro list is then to be saved). A page reads outside its
    // lock and adds under it.
    ImportResult ReadImport(const std::wstring& strPath, Profile& profile) const;
    Profile* AddImported(std::unique_ptr<Profile> pProfile, Profiles& profiles, Macros& macros, bool* pbMacrosAdded) const;
    // Both halves, then the macro list saved when it grew. Returns the new profile, or nullptr
    // when the file was refused (nothing changes then).
    Profile* ImportProfile(const std::wstring& strPath, Profiles& profiles, Macros& macros,
                           ImportResult* pResult = nullptr);

    // Exported macro: one raw record.
    bool ExportMacro(const Macro& macro, const std::wstring& strPath) const;
    // Reads the first record of a macro file into macro (untouched unless Imported): the other
    // generation's macro record size is Foreign, and a macro that would not fit the model's macro
    // frame is refused as DoesNotFit.
    ImportResult ReadMacroFile(const std::wstring& strPath, Macro& macro) const;
    // The editor's import: appended under a free name (an empty one named as a new macro) and
    // saved; nullptr when refused.
    Macro* ImportMacro(const std::wstring& strPath, Macros& macros, ImportResult* pResult = nullptr);

private:
    std::wstring Text(std::wstring_view strTextId) const;
    // strName, or when it is empty the base name of a new record: the text of strTextId
    // ("add_profile_text", "add_macro_text") followed by the list's size + 1.
    NameString NameOrNew(NameView strName, std::wstring_view strTextId, size_t uListSize) const;
    // strNewName: the default profile's base name, resolved before the file lock is taken, so the
    // page's text resolver never runs under a file lock.
    void StartWithDefault(Profiles& profiles, ProDataHeader& header, const NameString& strNewName) const;
    Profile* AddDefaultProfileNamed(Profiles& profiles, const NameString& strBase) const;

    const ModelType& m_model;
    std::wstring m_strDataFolder;
    TextResolver m_resolveText;
    std::atomic<bool> m_bProDataReadOnly{false};
    std::atomic<bool> m_bMacroDataReadOnly{false};
};
