#include "window/address_list_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "window/wide_text.h"

namespace vantrel::win32 {

namespace {
// The first read of a cell; the buffer doubles until the cell's text fits.
constexpr int kFirstCellBufferUnits = 512;
}  // namespace

void Win32AddressList::DeleteAllRows() { SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0); }

int Win32AddressList::InsertRow() {
  const int count = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
  wchar_t empty[] = L"";
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = count;
  item.pszText = empty;
  return static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void Win32AddressList::SetCellText(int row, int column, const Text& text) {
  std::wstring wide = WideFromText(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int Win32AddressList::GetFirstSelectedRow() {
  // The start index -1 searches from the first row; WPARAM carries it sign-extended.
  return static_cast<int>(
      SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

Text Win32AddressList::GetCellText(int row, int column) {
  std::vector<wchar_t> buffer;
  for (int size = kFirstCellBufferUnits;; size *= 2) {
    buffer.assign(static_cast<size_t>(size), L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = size;
    const int length = static_cast<int>(SendMessageW(
        list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    // A text that filled the buffer may have been cut: read it again into a larger one.
    if (length < size - 1) break;
  }
  return TextFromWide(std::wstring_view(buffer.data()));
}

}  // namespace vantrel::win32
