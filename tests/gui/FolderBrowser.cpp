#include "tests/gui/FolderBrowser.h"

#include "tests/gui/Controls.h"

#include <commctrl.h>

namespace {

HWND treeOf(HWND browser) {
  std::vector<HWND> trees = childrenOfClass(browser, WC_TREEVIEWA);
  return trees.empty() ? nullptr : trees.front();
}

// Memory in another process, for the tree view messages that take a
// pointer: the system passes it on as it is.
class RemoteMemory {
public:
  RemoteMemory(DWORD processId, SIZE_T size)
      : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)) {
    if (process_ != nullptr) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  char* address() const { return static_cast<char*>(address_); }
  bool write(const void* bytes, SIZE_T size, SIZE_T offset = 0) const {
    return WriteProcessMemory(process_, address() + offset, bytes, size, nullptr) != 0;
  }
  bool read(void* bytes, SIZE_T size, SIZE_T offset = 0) const {
    return ReadProcessMemory(process_, address() + offset, bytes, size, nullptr) != 0;
  }

private:
  HANDLE process_;
  void* address_ = nullptr;
};

// The display name of a tree item, read through memory in the browser's
// process: a TVITEMA, then the text buffer it points to.
std::string itemText(HWND tree, HTREEITEM item) {
  DWORD processId = 0;
  GetWindowThreadProcessId(tree, &processId);
  const SIZE_T TextSize = 260;
  RemoteMemory memory(processId, sizeof(TVITEMA) + TextSize);
  if (memory.address() == nullptr) return std::string();
  TVITEMA request = {};
  request.mask = TVIF_TEXT;
  request.hItem = item;
  request.pszText = memory.address() + sizeof(TVITEMA);
  request.cchTextMax = TextSize;
  char text[TextSize] = "";
  if (!memory.write(&request, sizeof request) || !memory.write(text, 1, sizeof(TVITEMA)) ||
      !sendTo(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.address())) ||
      !memory.read(text, TextSize, sizeof(TVITEMA))) {
    return std::string();
  }
  text[TextSize - 1] = '\0';
  return text;
}

HTREEITEM nextItem(HWND tree, HTREEITEM item, WPARAM relation) {
  return reinterpret_cast<HTREEITEM>(sendTo(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The child of `parent` named `name`, the parent expanded first (the
// browser fills a folder's children when it is first expanded); every
// child's name goes to `found`.
HTREEITEM childNamed(HWND tree, HTREEITEM parent, const std::string& name, std::vector<std::string>& found) {
  sendTo(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  found.clear();
  for (HTREEITEM child = nextItem(tree, parent, TVGN_CHILD); child != nullptr;
       child = nextItem(tree, child, TVGN_NEXT)) {
    found.push_back(itemText(tree, child));
    if (found.back() == name) return child;
  }
  return nullptr;
}

}  // namespace

HWND findFolderBrowser(DWORD processId) {
  for (HWND dialog : topLevelDialogs(processId)) {
    if (treeOf(dialog) != nullptr) return dialog;
  }
  return nullptr;
}

bool chooseInFolderBrowser(HWND browser, const std::vector<std::string>& names, std::vector<std::string>& found) {
  HWND tree = treeOf(browser);
  HTREEITEM item = tree == nullptr ? nullptr : nextItem(tree, nullptr, TVGN_ROOT);
  for (const std::string& name : names) {
    if (item == nullptr) return false;
    item = childNamed(tree, item, name, found);
  }
  return item != nullptr && sendTo(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

bool closeFolderBrowser(HWND browser, int buttonId) {
  HWND button = GetDlgItem(browser, buttonId);
  return button != nullptr &&
         PostMessageA(browser, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}
