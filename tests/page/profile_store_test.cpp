// The profile store of both generations under the threads that meet it: the apply worker's plan
// and saves against the UI thread's edits.
#include "models/data/file_lock.h"
#include "models/data/gen1_model.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_model.h"
#include "models/data/gen2_storage.h"
#include "models/data/name_helpers.h"
#include "models/pages/profile_store.h"
#include "tests/kit/storage_kit.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

template <class Records>
using Store = CProfileStore<Records>;

// Pumps nothing: waits for a flag another thread sets, up to a generous bound (a hang is the fault).
bool WaitForFlag(const std::atomic<bool>& bFlag) {
    for (int i = 0; i < 2000 && !bFlag.load(); ++i) Sleep(5);
    return bFlag.load();
}

template <class Records>
std::wstring NameOnDisk(int iModel, const typename Records::Model& model, const std::wstring& strFolder) {
    Store<Records> reader(iModel, model, strFolder, testkit::Texts);
    reader.Load();
    return std::wstring(NameOf(reader.CurrentCopy().szName));
}

// A save waiting for its file (another writer holds it) holds no lock of the lists: an edit made
// meanwhile goes through at once, and the file then gets the bytes the save took before it.
template <class Records>
void EditGoesOnWhileASaveWaitsForItsFile(int iModel, const typename Records::Model& model) {
    SCOPED_TRACE("MS_" + std::to_string(iModel));
    testkit::ScratchFolder scratch(L"store_save_" + std::to_wstring(iModel));
    const std::wstring strFolder = scratch.Path() + L"\\";
    Store<Records> store(iModel, model, strFolder, testkit::Texts);
    ASSERT_TRUE(store.Load());
    // A round is telling once the save took its bytes before the edit; the saver gets a longer
    // moment to in each round, so a busy machine still sees one.
    bool bTelling = false;
    for (int iRound = 0; iRound < 20 && !bTelling; ++iRound) {
        const std::wstring strBefore = L"before" + std::to_wstring(iRound);
        ASSERT_TRUE(store.Edit([&](typename Records::Profile& p) { CopyName(p.szName, strBefore); }));
        std::atomic<bool> bEdited{false};
        std::thread saver;
        std::thread editor;
        {
            const FileLock held(store.Files().ProDataPath());
            saver = std::thread([&] { store.Save(); });
            Sleep(20 * static_cast<DWORD>(iRound + 1));
            editor = std::thread([&] {
                store.Edit([](typename Records::Profile& p) { CopyName(p.szName, L"after"); });
                bEdited = true;
            });
            EXPECT_TRUE(WaitForFlag(bEdited)) << "the edit waited for a save that waits for its file";
        }
        saver.join();
        editor.join();
        if (!bEdited) return;
        bTelling = NameOnDisk<Records>(iModel, model, strFolder) == strBefore;
    }
    EXPECT_TRUE(bTelling) << "no round had the save take its bytes before the edit";
    // The edit is kept: the next save writes it.
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(NameOnDisk<Records>(iModel, model, strFolder), L"after");
}

// The worker's snapshot is one state of the profile: an edit that changes several fields at once
// is in it whole or not at all, also while the mouse's own reports come in.
template <class Records>
void SnapshotIsOneStateUnderConcurrentEdits(int iModel, const typename Records::Model& model) {
    SCOPED_TRACE("MS_" + std::to_string(iModel));
    testkit::ScratchFolder scratch(L"store_snapshot_" + std::to_wstring(iModel));
    Store<Records> store(iModel, model, scratch.Path() + L"\\", testkit::Texts);
    ASSERT_TRUE(store.Load());
    ASSERT_TRUE(store.Edit([](typename Records::Profile& p) {
        for (int32_t& iDpi : p.iDpi) iDpi = 0;
    }));
    constexpr int kEdits = 3000;
    // The threads start together once the first plan is made, and the plans go on until the
    // last edit is in.
    std::atomic<bool> bGo{false};
    std::atomic<bool> bDone{false};
    std::thread editor([&] {
        while (!bGo) SwitchToThread();
        for (int n = 1; n <= kEdits; ++n)
            store.Edit([n](typename Records::Profile& p) {
                for (int32_t& iDpi : p.iDpi) iDpi = n;
            });
        bDone = true;
    });
    std::thread mouse([&] {
        while (!bGo) SwitchToThread();
        for (int n = 0; !bDone; ++n) store.TakeReported([n](typename Records::Profile& p) { p.iLightMode = n % 8; });
    });
    int iTorn = 0;
    do {
        store.Plan([&](const typename Records::Profile& snapshot, const ChangeFlags&) {
            for (int32_t iDpi : snapshot.iDpi) iTorn += iDpi != snapshot.iDpi[0] ? 1 : 0;
            return std::vector<FrameBytes>{};
        });
        bGo = true;
    } while (!bDone);
    editor.join();
    mouse.join();
    EXPECT_EQ(iTorn, 0) << "a snapshot held parts of two edits";
    EXPECT_EQ(store.CurrentCopy().iDpi[7], kEdits);
}

TEST(ProfileStore, AnEditGoesOnWhileASaveWaitsForItsFile) {
    EditGoesOnWhileASaveWaitsForItsFile<Gen1Records>(10, *FindGen1Model(10));
    EditGoesOnWhileASaveWaitsForItsFile<Gen2Records>(11, *FindGen2Model(11));
}

TEST(ProfileStore, TheApplySnapshotIsOneStateUnderConcurrentEdits) {
    SnapshotIsOneStateUnderConcurrentEdits<Gen1Records>(10, *FindGen1Model(10));
    SnapshotIsOneStateUnderConcurrentEdits<Gen2Records>(11, *FindGen2Model(11));
}

}  // namespace
