#include "hostsim/Host.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

#include "hostsim/ProjectError.h"
#include "platform/win32/TextConversion.h"

namespace hostsim {
namespace {

std::filesystem::path Absolute(const std::filesystem::path& folder) {
  std::error_code ec;
  auto path = std::filesystem::absolute(folder, ec).lexically_normal();
  if (!path.has_filename() && path.has_parent_path() && path != path.root_path()) path = path.parent_path();
  return path;
}

}  // namespace

Host& Host::Instance() {
  static Host host;
  return host;
}

void Host::CreateProject(const std::filesystem::path& folder, const Settings& settings) {
  CloseProject();
  const auto path = Absolute(folder);
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (!std::filesystem::is_directory(path, ec)) throw ProjectError("cannot create project folder " + path.string());
  ProjectStore::Create(path / "project.db");
  settings.Save(path / "settings.ini");
  OpenProject(path);
}

void Host::OpenProject(const std::filesystem::path& folder) {
  CloseProject();
  const auto path = Absolute(folder);
  std::error_code ec;
  if (!std::filesystem::is_directory(path, ec)) throw ProjectError("project folder not found: " + path.string());
  Settings settings = Settings::Load(path / "settings.ini");
  auto store = ProjectStore::Open(path / "project.db");
  TagDatabase database;
  std::vector<PostedMessage> messages;
  store->Load(database, messages);

  folder_ = path;
  databasePath_ = platform::Utf8ToUtf16(path.string());
  database_ = std::move(database);
  store_ = std::move(store);
  settings_ = std::move(settings);
  messages_ = std::move(messages);
  lock_ = std::make_unique<EditLock>(path / EditLock::kFileName);
}

void Host::CloseProject() {
  lock_.reset();
  database_ = TagDatabase();
  store_.reset();
  settings_ = Settings();
  messages_.clear();
  handedOut_.clear();
  tagListModified_ = 0;
  folder_.clear();
  databasePath_.clear();
}

void Host::Reopen() {
  const auto folder = folder_;
  if (folder.empty()) throw std::logic_error("no project is open");
  OpenProject(folder);
}

ProjectStore& Host::Store() {
  if (!store_) throw std::logic_error("no project is open");
  return *store_;
}

TagDatabase& Host::Database() {
  Store();
  return database_;
}

WORD Host::AddTag(const NewTag& newTag) {
  ProjectStore& store = Store();
  const Tag& tag = database_.AddTag(newTag.kind, newTag.name, newTag.type, newTag.size, newTag.description, newTag.scope);
  store.InsertTag(tag);
  return tag.number;
}

WORD Host::AddTag(std::u16string_view name, int type, int size) {
  return AddTag(NewTag{std::u16string(name), type, size, {}, 0, TagKind::User});
}

WORD Host::AddSystemTag(std::u16string_view name, int type) {
  return AddTag(NewTag{std::u16string(name), type, 0, {}, 0, TagKind::System});
}

WORD Host::AddSoftPlcTag(std::u16string_view name, int type) {
  return AddTag(NewTag{std::u16string(name), type, 0, {}, 0, TagKind::SoftPLC});
}

int Host::AddClass(std::u16string_view name, std::vector<ClassMember> members) {
  ProjectStore& store = Store();
  const TagClass& cls = database_.AddClass(name, std::move(members));
  store.InsertClass(cls);
  return cls.number;
}

Tag& Host::TagNamed(std::u16string_view name, VarRef& ref) {
  Store();
  if (!database_.Resolve(name, ref)) throw std::invalid_argument("no variable named \"" + platform::Utf16ToUtf8(name) + "\"");
  return *database_.TagOf(ref);
}

TagDefRecord& Host::Definition(std::u16string_view name) {
  VarRef ref;
  TagNamed(name, ref);
  return database_.VariableOf(ref)->Definition();
}

Element& Host::ElementOf(std::u16string_view name) {
  VarRef ref;
  TagNamed(name, ref);
  Element* element = database_.ElementOf(ref);
  if (element == nullptr) throw std::invalid_argument("\"" + platform::Utf16ToUtf8(name) + "\" is a structure, not an element");
  return *element;
}

std::u16string Host::Startup(std::u16string_view name) {
  VarRef ref;
  TagNamed(name, ref);
  return database_.VariableOf(ref)->Startup();
}

void Host::SetStartup(std::u16string_view name, std::u16string_view text) {
  VarRef ref;
  TagNamed(name, ref);
  database_.VariableOf(ref)->SetStartup(text);
}

void Host::Commit(std::u16string_view name) {
  VarRef ref;
  CommitTag(TagNamed(name, ref));
}

void Host::CommitTag(Tag& tag) {
  Store().CommitTag(database_.Loaded(tag));
  handedOut_.erase(tag.number);
}

void Host::CommitHandedOut() {
  ProjectStore& store = Store();
  ProjectStore::Transaction t(store);
  for (const WORD number : handedOut_) {
    if (Tag* tag = database_.TagAt(number)) store.CommitTag(database_.Loaded(*tag));
  }
  t.Commit();
  handedOut_.clear();
  ++tagListModified_;
}

void Host::SetSize(Tag& tag, int size) {
  const int oldSize = tag.Size();
  database_.ChangeSize(tag, size);
  Store().WriteSize(tag, oldSize);
}

void Host::SetType(Tag& tag, int type) {
  const bool wasStructure = tag.self->IsStructure();
  const bool rebuilt = database_.ChangeType(tag, type);
  Store().WriteType(tag, rebuilt, wasStructure != tag.self->IsStructure());
}

void Host::SetDescription(Tag& tag, std::u16string_view description) {
  tag.description.assign(description);
  Store().WriteDescription(tag);
}

void Host::SetScope(Tag& tag, int scope) {
  tag.scope = scope != 0 ? 1 : 0;
  Store().WriteScope(tag);
}

bool Host::SetEdit(bool edit) {
  if (!lock_) return false;
  if (!edit) {
    lock_->Release();
    return true;
  }
  return lock_->Acquire();
}

void Host::Post(const PostedMessage& message) {
  Store().AppendMessage(message);
  messages_.push_back(message);
}

void Host::SaveSettings() {
  Store();
  settings_.Save(folder_ / "settings.ini");
}

void Host::SetLanguage(std::u16string_view code) {
  settings_.Set("Language", "Current", platform::Utf16ToUtf8(code));
  if (IsOpen()) settings_.Save(folder_ / "settings.ini");
  const std::u16string current(code);
  for (const auto callback : std::vector<LANGUAGECALLBACK>(languageCallbacks_)) callback(current.c_str());
}

void Host::AddLanguageCallback(LANGUAGECALLBACK callback) {
  if (std::find(languageCallbacks_.begin(), languageCallbacks_.end(), callback) == languageCallbacks_.end()) {
    languageCallbacks_.push_back(callback);
  }
}

bool Host::RemoveLanguageCallback(LANGUAGECALLBACK callback) {
  const auto it = std::find(languageCallbacks_.begin(), languageCallbacks_.end(), callback);
  if (it == languageCallbacks_.end()) return false;
  languageCallbacks_.erase(it);
  return true;
}

}  // namespace hostsim
