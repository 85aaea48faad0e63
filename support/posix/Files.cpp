// Files, directories and directory search over POSIX calls.
#include "Handles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace posix;

namespace {

int openFlags(DWORD access) {
  bool reading = (access & GENERIC_READ) != 0;
  bool writing = (access & GENERIC_WRITE) != 0;
  if (reading && writing) return O_RDWR;
  return writing ? O_WRONLY : O_RDONLY;
}

}  // namespace

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES, DWORD disposition,
                   DWORD, HANDLE) {
  if (name == nullptr || name[0] == '\0') return fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
  if (!validName(name)) return INVALID_HANDLE_VALUE;
  std::string path = hostPath(name);

  // Without blocking: opening a named pipe would otherwise wait for its
  // other end, and some devices for a carrier. A regular file reads and
  // writes as it would without the flag.
  int flags = openFlags(access) | O_CLOEXEC | O_NONBLOCK;
  switch (disposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS:
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    case OPEN_EXISTING:
    case TRUNCATE_EXISTING: break;
    default: return fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
  }
  bool reportsExisting = disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS;
  // A file that may exist is first made as a new one: most are new (every
  // shortcut of an import), and a new file needs neither a look before nor
  // truncating.
  bool existed = false;
  int descriptor = -1;
  if (reportsExisting) {
    descriptor = open(path.c_str(), flags | O_EXCL, 0666);
    existed = descriptor < 0 && errno == EEXIST;
  }
  if (descriptor < 0) descriptor = open(path.c_str(), flags, 0666);
  if (descriptor < 0) {
    int error = errno;
    if (error == EEXIST && disposition == CREATE_NEW) return fail(ERROR_FILE_EXISTS, INVALID_HANDLE_VALUE);
    return fail(errorFromErrno(error, path), INVALID_HANDLE_VALUE);
  }
  struct stat status;
  fstat(descriptor, &status);
  // A folder of Windows holds files and folders only, and CreateFile of a
  // folder is refused: so is a pipe, socket or device here.
  if (!S_ISREG(status.st_mode)) {
    close(descriptor);
    return fail(ERROR_ACCESS_DENIED, INVALID_HANDLE_VALUE);
  }
  // Sharing is checked before anything is truncated, as Windows does.
  if (sharingConflict(status.st_dev, status.st_ino, access, shareMode)) {
    close(descriptor);
    return fail(ERROR_SHARING_VIOLATION, INVALID_HANDLE_VALUE);
  }
  if ((disposition == CREATE_ALWAYS && existed) || disposition == TRUNCATE_EXISTING) {
    if (ftruncate(descriptor, 0) != 0) {
      int error = errno;
      close(descriptor);
      return fail(errorFromErrno(error, path), INVALID_HANDLE_VALUE);
    }
  }
  HANDLE handle = addFile(FileObject{descriptor, status.st_dev, status.st_ino, access, shareMode});
  SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD read, LPOVERLAPPED) {
  if (read != nullptr) *read = 0;
  FileObject* object = findFile(file);
  if (object == nullptr) return fail(ERROR_INVALID_HANDLE, FALSE);
  if (!(object->access & GENERIC_READ)) return fail(ERROR_ACCESS_DENIED, FALSE);
  DWORD total = 0;
  char* bytes = static_cast<char*>(buffer);
  while (total < count) {
    ssize_t got = ::read(object->descriptor, bytes + total, count - total);
    if (got < 0) {
      if (errno == EINTR) continue;
      return fail(ERROR_READ_FAULT, FALSE);
    }
    if (got == 0) break;
    total += static_cast<DWORD>(got);
  }
  if (read != nullptr) *read = total;
  return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD written, LPOVERLAPPED) {
  if (written != nullptr) *written = 0;
  FileObject* object = findFile(file);
  if (object == nullptr) return fail(ERROR_INVALID_HANDLE, FALSE);
  if (!(object->access & GENERIC_WRITE)) return fail(ERROR_ACCESS_DENIED, FALSE);
  DWORD total = 0;
  const char* bytes = static_cast<const char*>(buffer);
  while (total < count) {
    ssize_t put = ::write(object->descriptor, bytes + total, count - total);
    if (put < 0) {
      if (errno == EINTR) continue;
      return fail(errno == ENOSPC ? ERROR_DISK_FULL : ERROR_WRITE_FAULT, FALSE);
    }
    total += static_cast<DWORD>(put);
  }
  if (written != nullptr) *written = total;
  return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method) {
  FileObject* object = findFile(file);
  if (object == nullptr) return fail(ERROR_INVALID_HANDLE, INVALID_SET_FILE_POINTER);
  // Without a high part the distance is a signed 32-bit value.
  std::int64_t offset = distance;
  if (distanceHigh != nullptr) {
    offset = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<DWORD>(*distanceHigh)) << 32) |
                                       static_cast<DWORD>(distance));
  }
  int whence = method == FILE_BEGIN ? SEEK_SET : method == FILE_CURRENT ? SEEK_CUR : SEEK_END;
  if (method > FILE_END) return fail(ERROR_INVALID_PARAMETER, INVALID_SET_FILE_POINTER);
  off_t current = lseek(object->descriptor, 0, SEEK_CUR);
  off_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? current : lseek(object->descriptor, 0, SEEK_END);
  if (base + offset < 0) {
    lseek(object->descriptor, current, SEEK_SET);
    return fail(ERROR_NEGATIVE_SEEK, INVALID_SET_FILE_POINTER);
  }
  off_t position = lseek(object->descriptor, base + offset, SEEK_SET);
  if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(static_cast<std::uint64_t>(position) >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(position);
}

BOOL GetFileSizeEx(HANDLE file, PLARGE_INTEGER size) {
  FileObject* object = findFile(file);
  if (object == nullptr) return fail(ERROR_INVALID_HANDLE, FALSE);
  struct stat status;
  if (fstat(object->descriptor, &status) != 0) return fail(ERROR_ACCESS_DENIED, FALSE);
  size->QuadPart = status.st_size;
  return TRUE;
}

BOOL CloseHandle(HANDLE object) {
  FileObject* file = findFile(object);
  if (file == nullptr) return fail(ERROR_INVALID_HANDLE, FALSE);
  close(file->descriptor);
  removeHandle(object);
  return TRUE;
}

BOOL DeleteFileA(LPCSTR name) {
  if (!validName(name)) return FALSE;
  std::string path = hostPath(name);
  struct stat status;
  if (stat(path.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return fail(ERROR_ACCESS_DENIED, FALSE);
    if (sharingConflict(status.st_dev, status.st_ino, 0, 0)) return fail(ERROR_SHARING_VIOLATION, FALSE);
  }
  if (unlink(path.c_str()) != 0) return fail(errorFromErrno(errno, path), FALSE);
  return TRUE;
}

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES) {
  if (!validName(path)) return FALSE;
  std::string host = hostPath(path);
  if (mkdir(host.c_str(), 0777) != 0) {
    int error = errno;
    return fail(error == ENOENT ? ERROR_PATH_NOT_FOUND : errorFromErrno(error, host), FALSE);
  }
  return TRUE;
}

BOOL RemoveDirectoryA(LPCSTR path) {
  if (!validName(path)) return FALSE;
  std::string host = hostPath(path);
  if (rmdir(host.c_str()) != 0) return fail(errorFromErrno(errno, host), FALSE);
  return TRUE;
}

namespace {

FILETIME fileTime(const struct timespec& time) {
  std::uint64_t value = 116444736000000000ull + static_cast<std::uint64_t>(time.tv_sec) * 10000000ull +
                        static_cast<std::uint64_t>(time.tv_nsec) / 100;
  return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

WIN32_FIND_DATAA findData(const std::string& name, const struct stat& status) {
  WIN32_FIND_DATAA data;
  std::memset(&data, 0, sizeof data);
  data.dwFileAttributes = S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  data.ftCreationTime = fileTime(status.st_ctim);
  data.ftLastAccessTime = fileTime(status.st_atim);
  data.ftLastWriteTime = fileTime(status.st_mtim);
  data.nFileSizeHigh = static_cast<DWORD>(static_cast<std::uint64_t>(status.st_size) >> 32);
  data.nFileSizeLow = static_cast<DWORD>(status.st_size);
  std::memcpy(data.cFileName, name.c_str(), name.size() + 1);
  return data;
}

bool matches(const std::string& mask, const std::string& name) {
  return mask == "*" || mask == "*.*" || mask == name;
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
  std::string host = hostPath(pattern);
  std::string::size_type slash = host.find_last_of('/');
  std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : host.substr(0, slash);
  std::string mask = slash == std::string::npos ? host : host.substr(slash + 1);
  if (!validName(directory.c_str())) return INVALID_HANDLE_VALUE;

  // Closed also when memory runs out while the names are read.
  std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(directory.c_str()), closedir);
  if (listing == nullptr) {
    int error = errno;
    return fail(error == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
  }
  std::vector<std::string> names;
  while (dirent* entry = readdir(listing.get())) names.push_back(entry->d_name);
  listing.reset();
  // Windows lists "." and ".." first, then (on NTFS) by name.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    bool aDots = a == "." || a == "..";
    bool bDots = b == "." || b == "..";
    return aDots != bDots ? aDots : a < b;
  });

  SearchObject search{{}, 0};
  for (const std::string& name : names) {
    struct stat status;
    if (name.size() >= MAX_PATH || !matches(mask, name)) continue;
    if (stat((directory + "/" + name).c_str(), &status) != 0) continue;
    search.entries.push_back(findData(name, status));
  }
  if (search.entries.empty()) return fail(ERROR_FILE_NOT_FOUND, INVALID_HANDLE_VALUE);
  *data = search.entries[0];
  search.next = 1;
  return addSearch(std::move(search));
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data) {
  SearchObject* search = findSearch(handle);
  if (search == nullptr) return fail(ERROR_INVALID_HANDLE, FALSE);
  if (search->next >= search->entries.size()) return fail(ERROR_NO_MORE_FILES, FALSE);
  *data = search->entries[search->next++];
  return TRUE;
}

BOOL FindClose(HANDLE handle) {
  if (findSearch(handle) == nullptr) return fail(ERROR_INVALID_HANDLE, FALSE);
  removeHandle(handle);
  return TRUE;
}

DWORD GetTempPathA(DWORD size, LPSTR buffer) {
  const char* directory = std::getenv("TMPDIR");
  std::string path = directory != nullptr && directory[0] != '\0' ? directory : "/tmp";
  if (path.back() != '/') path += '/';
  if (path.size() + 1 > size) return static_cast<DWORD>(path.size() + 1);
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}
