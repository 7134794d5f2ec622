// A model page's profiles, for either generation (Records: Gen1Records, Gen2Records): the profile
// list, the macro list, the pro.data header, the current profile, the copy of it last sent and
// the snapshot an apply in progress sends. The store is the only owner of the lock that guards
// them; nothing outside it reaches them but through a callback run under that lock or a copy
// taken under it.
//
// Threads: the lists change on the UI thread only; the apply worker plans, records and saves
// from its own thread. The lock is never held while a file is read or written: a load reads both
// files first and takes what they hold under the lock; a save serialises under the lock and
// writes outside it, and bytes taken later are never overwritten by bytes taken earlier. A save
// that fails is reported by the storage (storage_problems.h), which tells the person once.
#pragma once

#include "models/data/profile_diff.h"
#include "models/data/record_storage.h"
#include "models/data/report_frame.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// A trace line for the debugger ("MS_10: pro.data could not be written"): failures the person is
// not told about still leave a mark.
void TraceModelLine(int iModel, const wchar_t* pszWhat);

// What an apply sends, planned under the store's lock.
struct ApplyPlan {
    bool bFullSend = false;          // every group goes (the resend-all request was taken)
    std::vector<FrameBytes> frames;  // in sending order, without the start frame
};

template <class Records>
class CProfileStore {
public:
    using Model = typename Records::Model;
    using Profile = typename Records::Profile;
    using Macro = typename Records::Macro;
    using Storage = RecordStorage<Records>;

    // What an edit of the lists may touch; only ever handed to a callback under the lock. `pCurrent`
    // points into `profiles` (null without a profile) and follows `header.iCurProfile`.
    struct Lists {
        RecordList<Profile>& profiles;
        RecordList<Macro>& macros;
        ProDataHeader& header;
        Profile*& pCurrent;
    };
    // The frames of the groups `changes` names, built from `snapshot` alone (run under the lock).
    using FramesFor = std::function<std::vector<FrameBytes>(const Profile& snapshot, const ChangeFlags& changes)>;

    // iModel names the page in trace lines; strDataFolder holds the model's data folder.
    CProfileStore(int iModel, const Model& model, const std::wstring& strDataFolder, TextResolver resolveText);
    CProfileStore(const CProfileStore&) = delete;
    CProfileStore& operator=(const CProfileStore&) = delete;

    // The model's files without the lists (defaults, export, reading an import, the dialogs).
    Storage& Files() { return *m_pStorage; }
    const Storage& Files() const { return *m_pStorage; }

    // ---- Load (UI thread, once) ----
    // Reads both files, then takes what they hold under the lock: the current profile becomes the
    // copy last sent and the next apply sends everything. A file read whole (or just made) is
    // remembered, so the shut-down save leaves it alone unless something changed. False when no
    // profile could be chosen.
    bool Load();

    // ---- Edit and snapshot ----
    // Runs `edit` under the lock on the current profile; false (nothing run) without one.
    bool Edit(const std::function<void(Profile&)>& edit);
    // Runs `edit` under the lock on the lists; its result.
    template <class F>
    auto EditLists(F&& edit) {
        std::lock_guard guard(m_lock);
        Lists lists{m_profiles, m_macros, m_header, m_pCurrent};
        return edit(lists);
    }
    // `read` of the current profile under the lock; nothing without one.
    template <class F>
    auto Read(F&& read) const -> std::optional<decltype(read(std::declval<const Profile&>()))> {
        std::lock_guard guard(m_lock);
        if (m_pCurrent == nullptr) return std::nullopt;
        return read(static_cast<const Profile&>(*m_pCurrent));
    }
    // Copies taken under the lock (a default record without a current profile).
    Profile CurrentCopy() const;
    Profile SentCopy() const;
    int CurrentIndex() const;
    RecordList<Profile> ProfilesCopy() const;
    RecordList<Macro> MacrosCopy() const;

    // The list's profile `iIndex` becomes the current one; false for an index outside the list.
    bool Select(int iIndex);
    // Appends a profile; its index.
    int Add(std::unique_ptr<Profile> pProfile);
    // Removes the current profile when another remains; the one after it (or before, at the
    // end) becomes current. Its index, or nothing when it was the last.
    std::optional<int> RemoveCurrent();
    // Adds a profile read with Files().ReadImport under a free name, with its macros; a grown
    // macro list is serialised under the lock and written outside it. The new profile's index
    // and name.
    std::pair<int, std::wstring> AddImported(std::unique_ptr<Profile> pProfile);

    // ---- What the mouse changed itself (any thread) ----
    // `take` writes the change into a profile; it runs on the current profile and on the copy
    // last sent, so the next apply does not send it back while pending edits stay pending.
    // False without a profile.
    bool TakeReported(const std::function<void(Profile&)>& take);

    // ---- The apply (worker thread) ----
    // Any thread: the next apply sends every group.
    void RequestResendAll();
    bool ResendAllPending() const;
    // Under the lock: the resend-all request taken, a snapshot of the current profile, and the
    // frames of the groups that differ from the copy last sent (every group for a full send).
    // No frames without a profile.
    ApplyPlan Plan(const FramesFor& framesFor);
    // Under the lock the snapshot of the last Plan becomes the copy last sent (its rate fields
    // those last sent with bKeepSentRate); unless bAllDelivered the next apply sends everything.
    // Then pro.data is saved. False when it could not be written.
    bool Record(bool bKeepSentRate, bool bAllDelivered);

    // ---- Saves (any thread) ----
    // pro.data serialised under the lock and written outside it; false when it could not be.
    bool Save() { return SaveNow(false); }
    // The shut-down save: the same, but bytes equal to those on disk (nothing changed since the
    // file was loaded or last written) are not written again.
    bool SaveAtShutdown() { return SaveNow(true); }

private:
    bool SaveNow(bool bOnlyIfChanged);
    // Takes pro.data's bytes and their stamp; the lock is held by the caller.
    std::vector<uint8_t> TakeBytesLocked(uint64_t& uStamp);
    // Writes bytes taken with uStamp unless later ones were written; with bOnlyIfChanged, bytes
    // equal to those last written (or loaded) are not written again. No lock of the lists held.
    bool WriteTaken(uint64_t uStamp, const std::vector<uint8_t>& bytes, bool bOnlyIfChanged);

    int m_iModel;
    std::unique_ptr<Storage> m_pStorage;

    mutable std::mutex m_lock;  // guards everything below up to m_uSaveStamp
    RecordList<Profile> m_profiles;
    RecordList<Macro> m_macros;
    ProDataHeader m_header;
    Profile* m_pCurrent = nullptr;
    std::unique_ptr<Profile> m_pSent;      // the copy last sent
    std::unique_ptr<Profile> m_pSnapshot;  // what the apply in progress sends
    bool m_bSnapshotTaken = false;
    bool m_bResendAll = false;
    uint64_t m_uSaveStamp = 0;  // the stamp of the last bytes taken

    std::mutex m_writeLock;               // one write of pro.data at a time; guards the two below
    uint64_t m_uWrittenStamp = 0;         // the stamp of the bytes on disk
    std::optional<size_t> m_writtenHash;  // a hash of the bytes on disk, when known
};
