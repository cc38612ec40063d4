#pragma once

// MacroStore: the macro editor's settings and the macro groups, kept in macro.xml.
//
//   MacroStore macros(locateFiles(appFolder, userConfigFolder()).macro);
//   if (!macros.loadResult().ok()) log(macros.loadResult().detail);
//
// Its two values are linked on channel 1; the keyboard logic, the keyboard panel and the macro
// dialog hold peers of them. Construct the store before any of those peers, so that they copy
// what was loaded when they join. The constructor joins the values, installs the store's hook
// on both, then loads the file straight into them (nothing is published, nothing saved).
//
// From then on every change that reaches either value (a peer's publication that changes the
// store's copy, or a forced one) rewrites the whole file on the dispatcher thread. A save
// writes beside the file and renames over it, so a failed save leaves the previous file intact;
// the failure is written to standard error and kept in lastSaveResult(), and the next change
// tries again.
//
// Destroy the store after the dispatcher has drained (ShapeDispatcher::waitIdle) to keep the
// last change: once destruction has begun, arriving changes are no longer saved.
//
// When the file exists but could not be loaded (unreadable or malformed), the first save moves
// it aside to "<file>.broken" (or "<file>.broken.<n>" when that name is taken) before writing,
// so the user's macros are never overwritten by the empty list the store started with.

#include <filesystem>
#include <list>
#include <mutex>
#include <optional>
#include <vector>

#include "files/FileResult.h"
#include "files/MacroFile.h"
#include "files/MacroRecordGroup.h"
#include "files/MacroRecords.h"
#include "state/ShapeList.h"
#include "state/ShapeType.h"

namespace kb {

class MacroStore {
  public:
    using SettingsValue = ShapeType<MacroRecordParam, 1, 1, 1>;
    using GroupList = ShapeList<MacroRecordGroup, 1>;

    explicit MacroStore(std::filesystem::path file);
    ~MacroStore();
    MacroStore(const MacroStore&) = delete;
    MacroStore& operator=(const MacroStore&) = delete;

    const std::filesystem::path& path() const { return path_; }
    FileResult loadResult() const { return loadResult_; }
    // Ok until a save fails; then the failure, until a later save succeeds.
    FileResult lastSaveResult() const;

    // The values' current contents as file records.
    MacroFileContents contents() const;

    SettingsValue& settings() { return settings_; }
    GroupList& groups() { return groups_; }

  private:
    void load();
    MacroRecordParam readSettings() const;
    std::vector<MacroGroupContents> readGroups() const;
    // Writes the file from the last contents seen, updated with the parts given; run by the
    // hooks on the dispatcher thread, with the lock of the value that changed held.
    void save(std::optional<MacroRecordParam> settings,
              std::optional<std::vector<MacroGroupContents>> groups);
    void onSettingsChanged(int channel, const MacroRecordParam* items, int count, int oldCount,
                           int index, int oldIndex, int tag);
    void onGroupsChanged(int channel, const std::list<MacroRecordGroup>* items, int count,
                         int oldCount, int index, int oldIndex, int tag);
    FileResult moveUnloadedFileAside();

    const std::filesystem::path path_;
    FileResult loadResult_;
    // Set by the destructor while it holds both values' locks; hooks read it under theirs.
    bool closing_ = false;
    mutable std::mutex saveLock_; // guards the fields below; nothing is locked under it
    bool keepUnloadedFile_ = false;
    FileResult lastSave_;
    MacroFileContents saved_; // what the file holds, or is to hold

    SettingsValue settings_;
    GroupList groups_;
};

// The file records of a settings record and a group list.
MacroFileContents macroFileContents(const MacroRecordParam& settings,
                                    const std::list<MacroRecordGroup>& groups);

} // namespace kb
