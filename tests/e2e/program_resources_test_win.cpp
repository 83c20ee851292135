// The resources inside camsetup.exe as the program and the shell find them:
// dialog templates, logo, icon groups, version and manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

namespace {

struct DialogControl {
  DWORD style;
  int x, y, cx, cy;
  int id;
  std::wstring className;  // or "#<ordinal>"
};

struct DialogTemplate {
  DWORD style = 0;
  int cx = 0, cy = 0;
  int pointSize = 0;
  std::wstring font;
  std::vector<DialogControl> controls;
};

// Reads a DLGTEMPLATEEX (the only form the resource compiler writes here).
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

  bool Read(DialogTemplate& dialog) {
    if (Word() != 1 || Word() != 0xFFFF) return false;
    Dword();  // help id
    Dword();  // extended style
    dialog.style = Dword();
    const int count = Word();
    Word();  // x
    Word();  // y
    dialog.cx = static_cast<short>(Word());
    dialog.cy = static_cast<short>(Word());
    NameOrOrdinal();  // menu
    NameOrOrdinal();  // class
    String();         // caption
    if (dialog.style & DS_SETFONT) {
      dialog.pointSize = Word();
      Word();  // weight
      Word();  // italic, charset
      dialog.font = String();
    }
    for (int i = 0; i < count && ok_; ++i) {
      Align();
      DialogControl control{};
      Dword();  // help id
      Dword();  // extended style
      control.style = Dword();
      control.x = static_cast<short>(Word());
      control.y = static_cast<short>(Word());
      control.cx = static_cast<short>(Word());
      control.cy = static_cast<short>(Word());
      control.id = static_cast<int>(Dword());
      control.className = NameOrOrdinal();
      NameOrOrdinal();  // text
      const WORD extra = Word();
      at_ += extra;
      dialog.controls.push_back(control);
    }
    return ok_;
  }

 private:
  WORD Word() {
    if (at_ + 2 > size_) return ok_ = false, 0;
    WORD value;
    std::memcpy(&value, data_ + at_, 2);
    at_ += 2;
    return value;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  std::wstring String() {
    std::wstring text;
    for (WORD c = Word(); ok_ && c != 0; c = Word()) text.push_back(static_cast<wchar_t>(c));
    return text;
  }
  std::wstring NameOrOrdinal() {
    const WORD first = Word();
    if (first == 0) return {};
    if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
    std::wstring text(1, static_cast<wchar_t>(first));
    return text + String();
  }
  void Align() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }

  const BYTE* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

class ProgramResources : public testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(e2e::ProgramPath().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << "cannot load " << e2e::Utf8Path(e2e::ProgramPath());
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  std::vector<BYTE> Resource(LPCSTR type, int id) {
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    return {bytes, bytes + SizeofResource(module_, found)};
  }

  DialogTemplate Dialog(int id) {
    DialogTemplate dialog;
    const std::vector<BYTE> bytes = Resource(RT_DIALOG, id);
    EXPECT_FALSE(bytes.empty()) << "no dialog " << id;
    EXPECT_TRUE(TemplateReader(bytes.data(), bytes.size()).Read(dialog)) << "dialog " << id;
    return dialog;
  }

  HMODULE module_ = nullptr;
};

struct TemplateCase {
  int id;
  int cx, cy;
  DWORD style;
};

constexpr DWORD kScreen =
    DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;

TEST_F(ProgramResources, EveryDialogTemplateHasItsSizeFontStyleAndUniqueIds) {
  const TemplateCase cases[] = {
      {111, 257, 135, kScreen | WS_VISIBLE | DS_3DLOOK | DS_FIXEDSYS},
      {113, 361, 425, kScreen},
      {107, 292, 386, kScreen},
      {106, 292, 386, kScreen},
  };
  for (const TemplateCase& c : cases) {
    SCOPED_TRACE(c.id);
    const DialogTemplate dialog = Dialog(c.id);
    EXPECT_EQ(dialog.cx, c.cx);
    EXPECT_EQ(dialog.cy, c.cy);
    EXPECT_EQ(dialog.style, c.style);
    EXPECT_EQ(dialog.font, L"Ms Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    std::vector<int> ids;
    for (const DialogControl& control : dialog.controls) {
      for (int seen : ids) EXPECT_NE(seen, control.id);
      ids.push_back(control.id);
    }
    EXPECT_FALSE(ids.empty());
  }
}

TEST_F(ProgramResources, MainSetupControlsInTemplateOrder) {
  struct Expected {
    int id;
    int x, y, cx, cy;
    DWORD kind;  // the style bits that make the control what it is
  };
  const Expected expected[] = {
      {40006, 32, 57, 28, 9, SS_LEFT | WS_DISABLED},
      {40005, 22, 83, 107, 36, BS_GROUPBOX},
      {40002, 140, 97, 99, 22, BS_PUSHBUTTON | WS_TABSTOP},
      {40000, 140, 73, 99, 22, BS_DEFPUSHBUTTON | WS_TABSTOP},
      {40004, 30, 99, 88, 20, CBS_DROPDOWN | CBS_HASSTRINGS},
      {40003, 21, 44, 107, 30, BS_GROUPBOX},
      {40007, 140, 44, 99, 26, BS_GROUPBOX},
      {40001, 146, 53, 88, 20, CBS_DROPDOWN | CBS_HASSTRINGS},
  };
  const DialogTemplate dialog = Dialog(111);
  ASSERT_EQ(dialog.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const DialogControl& control = dialog.controls[i];
    const Expected& e = expected[i];
    SCOPED_TRACE(e.id);
    EXPECT_EQ(control.id, e.id);
    EXPECT_EQ(control.x, e.x);
    EXPECT_EQ(control.y, e.y);
    EXPECT_EQ(control.cx, e.cx);
    EXPECT_EQ(control.cy, e.cy);
    // Only the kind and WS_DISABLED/WS_TABSTOP: no sorted lists, nothing else.
    EXPECT_EQ(control.style & ~(WS_CHILD | WS_VISIBLE | WS_GROUP), e.kind);
    EXPECT_TRUE(control.style & WS_VISIBLE);
  }
}

TEST_F(ProgramResources, CameraSetupTabOrder) {
  std::vector<int> tabStops;
  for (const DialogControl& control : Dialog(113).controls) {
    if (control.style & WS_TABSTOP) tabStops.push_back(control.id);
  }
  // Year, month, day, hour, minute, second, Browse, path, Default, Generate.
  EXPECT_EQ(tabStops, (std::vector<int>{40039, 40040, 40042, 40043, 40044, 40045, 40073, 40094,
                                        40095, 40096}));
}

TEST_F(ProgramResources, LogoIs360By52In24Bits) {
  auto* logo = static_cast<HBITMAP>(LoadImageW(module_, MAKEINTRESOURCEW(114), IMAGE_BITMAP, 0, 0,
                                               LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
  ASSERT_NE(logo, nullptr);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(logo, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmWidth, 360);
  EXPECT_EQ(section.dsBm.bmHeight, 52);
  EXPECT_EQ(section.dsBmih.biBitCount, 24);
  DeleteObject(logo);
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colors, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

std::vector<std::pair<int, int>> IconSizes(const std::vector<BYTE>& group) {
  std::vector<std::pair<int, int>> sizes;  // (pixels, bits per pixel)
  if (group.size() < 6) return sizes;
  WORD count;
  std::memcpy(&count, group.data() + 4, 2);
  for (WORD i = 0; i < count && 6 + (i + 1) * sizeof(GroupIconEntry) <= group.size(); ++i) {
    GroupIconEntry entry;
    std::memcpy(&entry, group.data() + 6 + i * sizeof(GroupIconEntry), sizeof entry);
    sizes.emplace_back(entry.width == 0 ? 256 : entry.width, entry.bitCount);
  }
  return sizes;
}

BOOL CALLBACK FirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
  *reinterpret_cast<ULONG_PTR*>(first) = reinterpret_cast<ULONG_PTR>(name);
  return FALSE;
}

TEST_F(ProgramResources, IconGroups) {
  using Sizes = std::vector<std::pair<int, int>>;
  EXPECT_EQ(IconSizes(Resource(RT_GROUP_ICON, 117)), (Sizes{{32, 32}, {24, 32}, {16, 32}}));
  EXPECT_EQ(IconSizes(Resource(RT_GROUP_ICON, 119)),
            (Sizes{{48, 8}, {32, 8}, {24, 8}, {16, 8}, {48, 32}, {32, 32}, {24, 32}, {16, 32}}));
  // The shell shows the first icon group.
  ULONG_PTR first = 0;
  EnumResourceNamesA(module_, RT_GROUP_ICON, FirstName, reinterpret_cast<LONG_PTR>(&first));
  EXPECT_EQ(first, 117u);
}

TEST_F(ProgramResources, VersionIs1_2_2_33) {
  const std::vector<BYTE> version = Resource(RT_VERSION, 1);
  const DWORD signature = 0xFEEF04BD;
  const VS_FIXEDFILEINFO* info = nullptr;
  for (std::size_t at = 0; at + sizeof(VS_FIXEDFILEINFO) <= version.size(); at += 4) {
    if (std::memcmp(version.data() + at, &signature, 4) == 0) {
      info = reinterpret_cast<const VS_FIXEDFILEINFO*>(version.data() + at);
      break;
    }
  }
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->dwFileVersionMS, (1u << 16) | 2u);
  EXPECT_EQ(info->dwFileVersionLS, (2u << 16) | 33u);
  EXPECT_EQ(info->dwProductVersionMS, (1u << 16) | 2u);
  EXPECT_EQ(info->dwProductVersionLS, (2u << 16) | 33u);
}

TEST_F(ProgramResources, ManifestAsksForCommonControls6AsInvokerAndUtf8) {
  const std::vector<BYTE> bytes = Resource(RT_MANIFEST, 1);
  const std::string manifest(bytes.begin(), bytes.end());
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find(">UTF-8</activeCodePage>"), std::string::npos);
}

}  // namespace
