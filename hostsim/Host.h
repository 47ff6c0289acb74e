#pragma once
// The stand-in host of one process: the open project (its tag database in memory, project.db,
// settings.ini, the edit lock), the background task's mailbox and the registered language
// callbacks. The ORVIK calls act on it; tests and the host program use the C++ API below.
//
// Commit rules: tags added here, and the tag setters (size, type, description, scope), write to
// project.db at once. Records edited in place reach the file only when their tag is committed:
// by DBSaveParamConfig, DBSaveAlrConfig, DBSaveHstConfig or Commit (that tag), or by
// DBSaveTagLModified (every tag handed out by OVFindVar with flag 1 since its last commit).
// Closing or reopening drops whatever was not committed.

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "host/Orvik.h"
#include "hostsim/EditLock.h"
#include "hostsim/PostedMessage.h"
#include "hostsim/ProjectStore.h"
#include "hostsim/Settings.h"
#include "hostsim/TagDatabase.h"

namespace hostsim {

struct NewTag {
  std::u16string name;
  // 0 Boolean, 1 Integer, 2 Real, 3 String, class number + 3.
  int type = 1;
  int size = 0;
  std::u16string description;
  int scope = 0;
  TagKind kind = TagKind::User;
};

class Host {
 public:
  static Host& Instance();

  // Projects. Create makes the folder if needed and refuses one that already holds project.db.
  // Both throw ProjectError; a failed open leaves no project open and writes nothing.
  void CreateProject(const std::filesystem::path& folder, const Settings& settings = Settings::Defaults());
  void OpenProject(const std::filesystem::path& folder);
  void CloseProject();
  // Closes and opens the same folder: shows exactly what was committed.
  void Reopen();
  bool IsOpen() const { return store_ != nullptr; }
  const std::filesystem::path& Folder() const { return folder_; }

  // Building; each writes to project.db at once. Throws std::invalid_argument for a bad tag or
  // class (see TagDatabase), std::logic_error with no project open.
  WORD AddTag(const NewTag& newTag);
  WORD AddTag(std::u16string_view name, int type, int size = 0);
  WORD AddSystemTag(std::u16string_view name, int type);
  WORD AddSoftPlcTag(std::u16string_view name, int type);
  int AddClass(std::u16string_view name, std::vector<ClassMember> members);

  // Records by a name as DBGetVar takes it ("Tank", "Tank[3]", "Pump1.Speed"); throws
  // std::invalid_argument for a name that resolves to nothing. Edit them in place, then Commit.
  TagDefRecord& Definition(std::u16string_view name);
  Element& ElementOf(std::u16string_view name);
  VarRecord& Record(std::u16string_view name) { return ElementOf(name).Record(); }
  std::u16string Startup(std::u16string_view name);
  void SetStartup(std::u16string_view name, std::u16string_view text);
  // Commits the tag that the name belongs to.
  void Commit(std::u16string_view name);

  TagDatabase& Database();
  Settings& ProjectSettings() { return settings_; }
  // Writes ProjectSettings() to settings.ini.
  void SaveSettings();
  // Makes the code the current language and calls every registered language callback with it.
  void SetLanguage(std::u16string_view code);

  // Every message posted to the project's tasks, oldest first (kept in project.db).
  const std::vector<PostedMessage>& Messages() const { return messages_; }
  // DBSaveTagLModified calls since the project was opened.
  int TagListModifiedCount() const { return tagListModified_; }
  bool HoldsEditLock() const { return lock_ && lock_->Held(); }
  // InitializeOrvikClasses calls in this process.
  int ClassLibraryInitializations() const { return classLibraryInitializations_; }
  void NoteClassLibraryInitialized() { ++classLibraryInitializations_; }

  // For the ORVIK calls.
  TagDatabase* OpenDatabase() { return store_ ? &database_ : nullptr; }
  void HandOut(WORD tagNumber) { handedOut_.insert(tagNumber); }
  void CommitTag(Tag& tag);
  void CommitHandedOut();
  void SetSize(Tag& tag, int size);
  void SetType(Tag& tag, int type);
  void SetDescription(Tag& tag, std::u16string_view description);
  void SetScope(Tag& tag, int scope);
  bool SetEdit(bool edit);
  void Post(const PostedMessage& message);
  const std::u16string& DatabasePath() const { return databasePath_; }
  void AddLanguageCallback(LANGUAGECALLBACK callback);
  bool RemoveLanguageCallback(LANGUAGECALLBACK callback);

 private:
  Host() = default;
  ProjectStore& Store();
  Tag& TagNamed(std::u16string_view name, VarRef& ref);

  std::filesystem::path folder_;
  std::u16string databasePath_;
  TagDatabase database_;
  std::unique_ptr<ProjectStore> store_;
  std::unique_ptr<EditLock> lock_;
  Settings settings_;
  std::vector<PostedMessage> messages_;
  std::set<WORD> handedOut_;
  int tagListModified_ = 0;
  std::vector<LANGUAGECALLBACK> languageCallbacks_;
  int classLibraryInitializations_ = 0;
};

}  // namespace hostsim
