// ControlSurface over a real dialog window, and the host that runs each
// screen as a modal dialog from its template.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32_binding.h"

namespace {

class DialogSurface final : public ControlSurface {
 public:
  ~DialogSurface() override { ReleaseResources(); }

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Binds the surface to the screen for one modal run.
  void Attach(Screen* screen) { screen_ = screen; }
  void Detach() {
    screen_ = nullptr;
    window_ = nullptr;
  }

  void SetCaption(std::string_view text) override {
    SetWindowTextA(window_, std::string(text).c_str());
  }

  void SetSmallIcon(int iconId) override {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }

  // SetWindowTextA on an edit sends EN_CHANGE before it returns: the screens
  // rely on that re-entrant notification.
  void SetText(int id, std::string_view text) override {
    SetWindowTextA(Item(id), std::string(text).c_str());
  }

  std::string GetText(int id) override {
    HWND item = Item(id);
    if (item == nullptr) return {};
    const int length = GetWindowTextLengthA(item);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(item, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
  }

  void Enable(int id, bool enabled) override { EnableWindow(Item(id), enabled ? TRUE : FALSE); }
  bool IsEnabled(int id) override {
    HWND item = Item(id);
    return item != nullptr && IsWindowEnabled(item) != FALSE;
  }

  void Show(int id, bool shown) override { ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE); }
  // The control's own visibility: the dialog itself is still hidden while it
  // opens, so IsWindowVisible would answer for the dialog.
  bool IsShown(int id) override {
    HWND item = Item(id);
    return item != nullptr && (GetWindowLongPtrA(item, GWL_STYLE) & WS_VISIBLE) != 0;
  }

  void SetPasswordMask(int id, bool masked) override {
    HWND item = Item(id);
    SendMessageA(item, EM_SETPASSWORDCHAR, masked ? '*' : 0, 0);
    InvalidateRect(item, nullptr, TRUE);
  }
  bool IsMasked(int id) override { return SendMessageA(Item(id), EM_GETPASSWORDCHAR, 0, 0) != 0; }

  void SetTextLimit(int id, int characters) override {
    SendMessageA(Item(id), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
  }
  void SetCaret(int id, int index) override {
    SendMessageA(Item(id), EM_SETSEL, static_cast<WPARAM>(index), static_cast<LPARAM>(index));
  }

  void ClearRows(int id) override { SendMessageA(Item(id), CB_RESETCONTENT, 0, 0); }
  void AddRow(int id, std::string_view text) override {
    const std::string row(text);
    SendMessageA(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  int RowCount(int id) override {
    const LRESULT count = SendMessageA(Item(id), CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<int>(count);
  }
  std::string RowText(int id, int row) override {
    HWND item = Item(id);
    const LRESULT length = SendMessageA(item, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == CB_ERR || length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(item, CB_GETLBTEXT, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
  }
  // A row out of range clears the selection, as -1 does.
  void SelectRow(int id, int row) override {
    if (row < 0 || row >= RowCount(id)) row = -1;
    SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  }
  int SelectedRow(int id) override {
    HWND item = Item(id);
    if (item == nullptr) return -1;
    const LRESULT row = SendMessageA(item, CB_GETCURSEL, 0, 0);
    return row == CB_ERR ? -1 : static_cast<int>(row);
  }

  void SetChecked(int id, bool checked) override {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
  }
  bool IsChecked(int id) override { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

  void SetLabelColor(int id, std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    labelColors_[id] = RGB(red, green, blue);
    if (faceBrush_ == nullptr) faceBrush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    InvalidateRect(Item(id), nullptr, TRUE);
  }

  void PaintBitmap(int bitmapId, int x, int y, int width, int height) override {
    for (Picture& picture : pictures_) {
      if (picture.id == bitmapId) {
        picture.x = x;
        picture.y = y;
        picture.width = width;
        picture.height = height;
        InvalidateRect(window_, nullptr, TRUE);
        return;
      }
    }
    // Loaded once per surface, released when the dialog ends.
    auto* bitmap =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    pictures_.push_back(Picture{bitmapId, bitmap, x, y, width, height});
    InvalidateRect(window_, nullptr, TRUE);
  }

  void ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) override {
    const UINT icon = kind == MessageKind::Warning ? MB_ICONWARNING : MB_ICONINFORMATION;
    MessageBoxA(window_, std::string(text).c_str(), std::string(caption).c_str(), icon | MB_OK);
  }

  void StartTimer(int timerId, int periodMs) override {
    SetTimer(window_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(periodMs), nullptr);
  }
  void StopTimer(int timerId) override { KillTimer(window_, static_cast<UINT_PTR>(timerId)); }

  void EndDialog() override { ::EndDialog(window_, 0); }

 private:
  struct Picture {
    int id;
    HBITMAP bitmap;
    int x;
    int y;
    int width;
    int height;
  };

  HWND Item(int id) const { return window_ == nullptr ? nullptr : GetDlgItem(window_, id); }

  void Paint() {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window_, &paint);
    for (const Picture& picture : pictures_) {
      if (picture.bitmap == nullptr) continue;  // a missing bitmap shows nothing
      BITMAP info{};
      GetObjectA(picture.bitmap, sizeof info, &info);
      // Copy no more than the bitmap holds: beyond it a memory DC has no
      // defined content to show.
      const int width = picture.width < info.bmWidth ? picture.width : info.bmWidth;
      const int height = picture.height < info.bmHeight ? picture.height : info.bmHeight;
      HDC memory = CreateCompatibleDC(target);
      HGDIOBJ previous = SelectObject(memory, picture.bitmap);
      BitBlt(target, picture.x, picture.y, width, height, memory, 0, 0, SRCCOPY);
      SelectObject(memory, previous);
      DeleteDC(memory);
    }
    EndPaint(window_, &paint);
  }

  // WM_CTLCOLORSTATIC: a coloured label on a transparent background over
  // the button face; any other label is left to the dialog manager.
  INT_PTR LabelColors(HDC context, HWND label) {
    const auto found = labelColors_.find(GetDlgCtrlID(label));
    if (found == labelColors_.end() || faceBrush_ == nullptr) return FALSE;
    SetTextColor(context, found->second);
    SetBkMode(context, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(faceBrush_);
  }

  void ReleaseResources() {
    for (Picture& picture : pictures_) {
      if (picture.bitmap != nullptr) DeleteObject(picture.bitmap);
    }
    pictures_.clear();
    if (faceBrush_ != nullptr) DeleteObject(faceBrush_);
    faceBrush_ = nullptr;
    labelColors_.clear();
  }

  // Commands and ticks that arrive after the screen has ended (focus changes
  // while the dialog is taken down, a second queued click) are not its any
  // more.
  bool Live() const { return screen_ != nullptr && !screen_->ended(); }

  HWND window_ = nullptr;
  Screen* screen_ = nullptr;
  HBRUSH faceBrush_ = nullptr;
  std::map<int, COLORREF> labelColors_;
  std::vector<Picture> pictures_;
};

INT_PTR CALLBACK DialogSurface::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DialogSurface*>(lParam);
    if (self == nullptr || self->screen_ == nullptr) {
      ::EndDialog(window, -1);  // nothing to run: do not leave an unclosable window
      return FALSE;
    }
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    self->window_ = window;
    self->screen_->OnOpen();
    return TRUE;
  }

  auto* self = reinterpret_cast<DialogSurface*>(GetWindowLongPtrA(window, DWLP_USER));
  if (self == nullptr) return FALSE;

  switch (message) {
    case WM_COMMAND:
      if (self->Live()) self->screen_->OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_TIMER:
      if (self->Live()) self->screen_->OnTimer(static_cast<int>(wParam));
      return TRUE;
    case WM_CLOSE:
      if (self->Live()) self->screen_->OnClose();
      return TRUE;
    case WM_PAINT:
      self->Paint();
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return self->LabelColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
      self->ReleaseResources();
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

std::unique_ptr<ControlSurface> DialogHost::NewSurface() {
  return std::make_unique<DialogSurface>();
}

int DialogHost::RunModal(Screen& screen, ControlSurface& surface) {
  auto* dialog = dynamic_cast<DialogSurface*>(&surface);
  if (dialog == nullptr) return -1;
  dialog->Attach(&screen);
  InitCommonControls();
  const INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(screen.TemplateId()), nullptr,
                      &DialogSurface::Procedure, reinterpret_cast<LPARAM>(dialog));
  dialog->Detach();
  return static_cast<int>(result);
}
