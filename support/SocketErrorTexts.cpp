// The texts of Winsock error codes.
#include "support/Errors.h"

#include <cstring>

namespace mirrex {
namespace {

struct SocketText {
  int code;
  const char* text;
};

const SocketText socketTexts[] = {
    {10004, "Interrupted system call"},
    {10009, "Bad file number"},
    {10013, "Permission denied"},
    {10014, "Bad memory address"},
    {10022, "Invalid argument"},
    {10024, "Too many open files"},
    {10035, "Operation would block"},
    {10036, "Operation in progress"},
    {10037, "EALREADY"},
    {10038, "Not a socket"},
    {10039, "Destination address required"},
    {10040, "EMSGSIZE"},
    {10041, "Protocol is wrong type for socket"},
    {10042, "ENOPROTOOPT"},
    {10043, "EPROTONOSUPPORT"},
    {10044, "ESOCKTNOSUPPORT"},
    {10045, "Operation not supported on socket"},
    {10046, "EPFNOSUPPORT"},
    {10047, "EAFNOSUPPORT"},
    {10048, "Address already in use"},
    {10049, "Address is not available"},
    {10050, "Network is down"},
    {10051, "ICMP network unreachable"},
    {10052, "Network was reset"},
    {10053, "Software caused connection abort"},
    {10054, "Connection reset by peer"},
    {10055, "ENOBUFS"},
    {10056, "already connected"},
    {10057, "Socket is not connected"},
    {10058, "Socket has been shut down"},
    {10059, "ETOOMANYREFS"},
    {10060, "Operation timed out"},
    {10061, "Connection refused"},
    {10062, "ELOOP"},
    {10063, "Host name is too long"},
    {10064, "Host is down"},
    {10065, "Host is unreachable"},
    {10066, "Directory not empty"},
    {10067, "EPROCLIM"},
    {10068, "EUSERS"},
    {10069, "EDQUOT"},
    {10070, "ESTALE"},
    {10071, "EREMOTE"},
    {10091, "SYSNOTREADY"},
    {10092, "VERNOTSUPPORTED"},
    {10093, "WinSock hasn't been initialized"},
    {10101, "EDISCON"},
    {11001, "Host not found"},
    {11002, "Non-Authoritative, Host not found, or SERVERFAIL"},
    {11003, "Non recoverable errors, FORMERR, REFUSED, NOTIMP"},
    {11004, "Valid name, no data record of requested type"},
};

}  // namespace

// A text that does not fit with its terminator is cut to exactly `size`
// characters and left unterminated; the count then equals the size.
DWORD SocketError::formatMessage(char* buffer, DWORD size) const {
  char unknown[64];
  const char* text = nullptr;
  for (const SocketText& entry : socketTexts) {
    if (entry.code == code) text = entry.text;
  }
  if (text == nullptr) {
    wsprintfA(unknown, "socket error %d", code);
    text = unknown;
  }
  DWORD length = static_cast<DWORD>(std::strlen(text));
  if (length < size) {
    std::memcpy(buffer, text, length + 1);
    return length;
  }
  std::memcpy(buffer, text, size);
  return size;
}

}  // namespace mirrex
