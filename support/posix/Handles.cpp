#include "Handles.h"

#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>

namespace posix {
namespace {

struct Object {
  std::unique_ptr<FileObject> file;
  std::unique_ptr<SearchObject> search;
};

std::mutex tableLock;
std::map<HANDLE, Object> table;
std::uintptr_t nextHandle = 0x1000;

HANDLE add(Object&& object) {
  std::lock_guard<std::mutex> guard(tableLock);
  HANDLE handle = reinterpret_cast<HANDLE>(nextHandle);
  nextHandle += 4;
  table.emplace(handle, std::move(object));
  return handle;
}

}  // namespace

HANDLE addFile(const FileObject& file) {
  Object object;
  object.file.reset(new FileObject(file));
  return add(std::move(object));
}

HANDLE addSearch(SearchObject&& search) {
  Object object;
  object.search.reset(new SearchObject(std::move(search)));
  return add(std::move(object));
}

FileObject* findFile(HANDLE handle) {
  std::lock_guard<std::mutex> guard(tableLock);
  auto it = table.find(handle);
  return it == table.end() ? nullptr : it->second.file.get();
}

SearchObject* findSearch(HANDLE handle) {
  std::lock_guard<std::mutex> guard(tableLock);
  auto it = table.find(handle);
  return it == table.end() ? nullptr : it->second.search.get();
}

bool removeHandle(HANDLE handle) {
  std::lock_guard<std::mutex> guard(tableLock);
  return table.erase(handle) == 1;
}

bool sharingConflict(dev_t device, ino_t inode, DWORD access, DWORD shareMode) {
  std::lock_guard<std::mutex> guard(tableLock);
  for (const auto& entry : table) {
    const FileObject* other = entry.second.file.get();
    if (other == nullptr || other->device != device || other->inode != inode) continue;
    if ((access & GENERIC_READ) && !(other->shareMode & FILE_SHARE_READ)) return true;
    if ((access & GENERIC_WRITE) && !(other->shareMode & FILE_SHARE_WRITE)) return true;
    if ((other->access & GENERIC_READ) && !(shareMode & FILE_SHARE_READ)) return true;
    if ((other->access & GENERIC_WRITE) && !(shareMode & FILE_SHARE_WRITE)) return true;
  }
  return false;
}

std::string hostPath(const char* path) {
  std::string host(path);
  for (char& c : host) {
    if (c == '\\') c = '/';
  }
  return host;
}

bool validName(const char* path) {
  for (const char* p = path; *p != '\0'; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c < 32 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*') {
      SetLastError(ERROR_INVALID_NAME);
      return false;
    }
  }
  return true;
}

DWORD errorFromErrno(int error, const std::string& path) {
  switch (error) {
    case ENOENT: {
      // Windows tells a missing file from a missing directory on its way.
      std::string::size_type slash = path.find_last_of('/');
      if (slash == std::string::npos || slash == 0) return ERROR_FILE_NOT_FOUND;
      struct stat parent;
      bool parentIsDirectory =
          stat(path.substr(0, slash).c_str(), &parent) == 0 && S_ISDIR(parent.st_mode);
      return parentIsDirectory ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return ERROR_ACCESS_DENIED;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case ENOSPC: return ERROR_DISK_FULL;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case EBADF: return ERROR_INVALID_HANDLE;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    default: return ERROR_ACCESS_DENIED;
  }
}

}  // namespace posix
