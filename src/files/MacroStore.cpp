#include "files/MacroStore.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "files/AtomicFile.h"
#include "files/XmlFile.h"

namespace kb {
namespace {

MacroRecordGroup groupOf(const MacroGroupContents& contents) {
    MacroRecordGroup group;
    group.info() = contents.info;
    group.setItems(MacroRecordGroup::Items(contents.items.begin(), contents.items.end()));
    return group;
}

MacroGroupContents contentsOf(const MacroRecordGroup& group) {
    return {group.info(), {group.items().begin(), group.items().end()}};
}

// What read() gives, when the value's lock can be taken without waiting.
template <class Value, class Read>
auto readIfFree(const Value& value, Read read) -> std::optional<decltype(read())> {
    std::unique_lock lock(value.mutex(), std::try_to_lock);
    if (!lock.owns_lock()) return std::nullopt;
    return read();
}

bool existsButUnloaded(FileStatus status) {
    return status == FileStatus::Unreadable || status == FileStatus::Malformed;
}

// "<file>.broken", or "<file>.broken.<n>" with the first n not taken, so that a file kept aside
// by an earlier run is never replaced.
std::filesystem::path freeAsidePath(const std::filesystem::path& file) {
    std::filesystem::path aside = file;
    aside += ".broken";
    const std::filesystem::path first = aside;
    std::error_code error;
    for (int n = 1; std::filesystem::exists(std::filesystem::symlink_status(aside, error)); ++n) {
        aside = first;
        aside += "." + std::to_string(n);
    }
    return aside;
}

} // namespace

MacroFileContents macroFileContents(const MacroRecordParam& settings,
                                    const std::list<MacroRecordGroup>& groups) {
    MacroFileContents contents{settings, {}};
    for (const MacroRecordGroup& group : groups) contents.groups.push_back(contentsOf(group));
    return contents;
}

MacroStore::MacroStore(std::filesystem::path file) : path_(std::move(file)) {
    settings_.setHook(this, &MacroStore::onSettingsChanged);
    groups_.setHook(this, &MacroStore::onGroupsChanged);
    load();
}

MacroStore::~MacroStore() {
    // Holding both locks, no hook is running; any hook that runs while the values leave their
    // peers sees closing_ and leaves the other value alone.
    std::scoped_lock guard(settings_.mutex(), groups_.mutex());
    closing_ = true;
}

void MacroStore::load() {
    pugi::xml_document document;
    loadResult_ = loadXmlFile(path_, document);
    {
        std::lock_guard guard(saveLock_);
        keepUnloadedFile_ = existsButUnloaded(loadResult_.status);
    }
    if (!loadResult_.ok()) return;

    const MacroFileContents contents = readMacroDocument(document);
    {
        std::lock_guard guard(saveLock_);
        saved_ = contents;
    }
    settings_.setSelected(&contents.settings);
    std::lock_guard guard(groups_.mutex());
    if (std::list<MacroRecordGroup>* list = groups_.container())
        for (const MacroGroupContents& group : contents.groups) list->push_back(groupOf(group));
}

MacroRecordParam MacroStore::readSettings() const {
    std::lock_guard guard(settings_.mutex());
    return settings_.count() > 0 ? settings_.selected() : MacroRecordParam{};
}

std::vector<MacroGroupContents> MacroStore::readGroups() const {
    std::lock_guard guard(groups_.mutex());
    const std::list<MacroRecordGroup>* list = groups_.container();
    return list ? macroFileContents({}, *list).groups : std::vector<MacroGroupContents>{};
}

MacroFileContents MacroStore::contents() const { return {readSettings(), readGroups()}; }

void MacroStore::save(std::optional<MacroRecordParam> settings,
                      std::optional<std::vector<MacroGroupContents>> groups) {
    std::lock_guard guard(saveLock_);
    if (settings) saved_.settings = std::move(*settings);
    if (groups) saved_.groups = std::move(*groups);
    FileResult result = moveUnloadedFileAside();
    if (result.ok()) result = replaceFileAtomically(path_, writeMacroDocument(saved_));
    if (!result.ok()) std::fprintf(stderr, "macro.xml not saved: %s\n", result.detail.c_str());
    lastSave_ = std::move(result);
}

FileResult MacroStore::lastSaveResult() const {
    std::lock_guard guard(saveLock_);
    return lastSave_;
}

FileResult MacroStore::moveUnloadedFileAside() {
    if (!keepUnloadedFile_) return {};
    const std::filesystem::path aside = freeAsidePath(path_);
    std::error_code error;
    std::filesystem::rename(path_, aside, error);
    if (error && error != std::errc::no_such_file_or_directory)
        return {FileStatus::WriteFailed,
                path_.string() + ": could not keep the unloaded file as " + aside.string() +
                    ": " + error.message()};
    keepUnloadedFile_ = false;
    return {};
}

// Each hook runs with its own value's lock held and reads that value. The other value is read
// only when its lock is free at once; otherwise its last saved contents are written, which
// avoids taking the two locks in both orders.
void MacroStore::onSettingsChanged(int, const MacroRecordParam*, int, int, int, int, int) {
    if (closing_) return;
    save(readSettings(), readIfFree(groups_, [this] { return readGroups(); }));
}

void MacroStore::onGroupsChanged(int, const std::list<MacroRecordGroup>*, int, int, int, int,
                                 int) {
    if (closing_) return;
    save(readIfFree(settings_, [this] { return readSettings(); }), readGroups());
}

} // namespace kb
