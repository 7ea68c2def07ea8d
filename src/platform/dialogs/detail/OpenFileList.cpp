// The open-file dialog's lists: the folder list with its folder and file glyphs, the box of the folders above
// the current one, and the filter box.
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/ImageList.h"
#include "platform/dialogs/detail/DialogInternal.h"
#include "platform/dialogs/detail/OpenFileHost.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/User.h"

#include <cstring>

namespace win::ofn {

namespace {

constexpr int kGlyph = 16;
constexpr int kItemHeight = 18;
constexpr COLORREF kClear = RGB(255, 0, 255);

// The two glyphs, a folder and a page, as pixel art: '.' is transparent.
constexpr const char* kFolderArt[kGlyph] = {
    "................", "................", ".kkkkk..........", "kyyyyyk.........",
    "kyyyyyykkkkkkkk.", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk",
    "kyyyyyyyyyyyyyyk", "kyyyyyyyyyyyyyyk", "kkkkkkkkkkkkkkkk", "................"};
constexpr const char* kPageArt[kGlyph] = {
    "..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwwwwwwwkgk...", "..kwwwwwwwkkkk..",
    "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkkk."};

COLORREF ArtColor(char c, bool folder) {
    switch (c) {
    case 'k':
        return folder ? RGB(128, 96, 0) : RGB(96, 96, 96);
    case 'y':
        return RGB(255, 220, 110);
    case 'w':
        return RGB(255, 255, 255);
    case 'g':
        return RGB(192, 192, 192);
    default:
        return kClear;
    }
}

// Folder then page, side by side, in a 32-bit bitmap; transparent pixels in kClear.
HIMAGELIST MakeGlyphs() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2 * kGlyph;
    info.bmiHeader.biHeight = -kGlyph;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!strip || !bits) return nullptr;
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < kGlyph; ++y) {
        for (int x = 0; x < 2 * kGlyph; ++x) {
            const bool folder = x < kGlyph;
            const COLORREF c = ArtColor((folder ? kFolderArt : kPageArt)[y][x % kGlyph], folder);
            pixels[y * 2 * kGlyph + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    HIMAGELIST list = ImageList_Create(kGlyph, kGlyph, ILC_COLOR24 | ILC_MASK, 2, 1);
    if (list) ImageList_AddMasked(list, strip, kClear);
    DeleteObject(strip);
    return list;
}

const std::vector<std::string>& ActivePatterns(const OpenState& s) {
    static const std::vector<std::string> all;
    if (!s.typedPatterns.empty()) return s.typedPatterns;
    if (s.filterIndex >= 1 && s.filterIndex <= static_cast<int>(s.filters.size()))
        return s.filters[static_cast<std::size_t>(s.filterIndex - 1)].patterns;
    return all;
}

// CDN_INCLUDEITEM asks the hook about each file; folders are always shown.
void AskHookAboutFiles(OpenState& s) {
    if (!s.child || !(s.flags & OFN_ENABLEINCLUDENOTIFY)) return;
    std::vector<Entry> kept;
    for (const Entry& e : s.entries) {
        const std::string path = JoinPath(s.folder, e.name);
        if (e.folder || Notify(s, CDN_INCLUDEITEM, &path) != 0) kept.push_back(e);
    }
    s.entries = std::move(kept);
}

void FillFolderBox(OpenState& s) {
    HWND box = GetDlgItem(s.host, cmb2);
    if (!box) return;
    SendMessage(box, CB_RESETCONTENT, 0, 0);
    const std::vector<std::string> chain = FolderChain(s.folder);
    for (const std::string& f : chain) SendMessage(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
    SendMessage(box, CB_SETCURSEL, chain.size() - 1, 0);
    EnableWindow(GetDlgItem(s.host, psh1), s.folder != "/");
}

} // namespace

void FillFilterBox(OpenState& s) {
    HWND box = GetDlgItem(s.host, cmb1);
    if (!box) return;
    SendMessage(box, CB_RESETCONTENT, 0, 0);
    for (const FilterPair& f : s.filters)
        SendMessage(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.description.c_str()));
    if (s.filterIndex >= 1) SendMessage(box, CB_SETCURSEL, static_cast<WPARAM>(s.filterIndex - 1), 0);
    EnableWindow(box, !s.filters.empty());
}

void Refill(OpenState& s) {
    s.entries = ListFolder(s.folder, ActivePatterns(s), (s.flags & OFN_FORCESHOWHIDDEN) != 0);
    AskHookAboutFiles(s);
    HWND list = GetDlgItem(s.host, lst1);
    if (!list) return;
    SendMessage(list, WM_SETREDRAW, FALSE, 0);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        const LRESULT at =
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.entries[i].name.c_str()));
        if (at >= 0) SendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(at), s.entries[i].folder ? 1 : 0);
    }
    SendMessage(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void OpenFolder(OpenState& s, const std::string& folder, bool notify) {
    s.folder = folder;
    Refill(s);
    FillFolderBox(s);
    if (notify) Notify(s, CDN_FOLDERCHANGE);
}

const Entry* SelectedEntry(const OpenState& s) {
    const LRESULT index = SendDlgItemMessage(s.host, lst1, LB_GETCURSEL, 0, 0);
    if (index < 0 || index >= static_cast<LRESULT>(s.entries.size())) return nullptr;
    return &s.entries[static_cast<std::size_t>(index)];
}

void MeasureItem(MEASUREITEMSTRUCT* m) {
    if (m) m->itemHeight = kItemHeight;
}

void DrawItem(OpenState& s, const DRAWITEMSTRUCT* d) {
    if (!d || !d->hDC) return;
    RECT r = d->rcItem;
    if (d->itemID >= s.entries.size()) {
        if (d->itemState & ODS_FOCUS) DrawFocusRect(d->hDC, &r);
        return;
    }
    const Entry& e = s.entries[d->itemID];
    const bool selected = (d->itemState & ODS_SELECTED) != 0;
    FillRect(d->hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (!s.glyphs) s.glyphs = MakeGlyphs();
    const int top = r.top + (r.bottom - r.top - kGlyph) / 2;
    ImageList_Draw(s.glyphs, e.folder ? 0 : 1, d->hDC, r.left + 2, top,
                   ILD_TRANSPARENT | (selected ? ILD_BLEND50 : 0));
    HGDIOBJ oldFont = SelectObject(d->hDC, dlg::DialogFont());
    const int oldMode = SetBkMode(d->hDC, TRANSPARENT);
    const COLORREF oldColor =
        SetTextColor(d->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text{r.left + kGlyph + 6, r.top, r.right - 2, r.bottom};
    DrawText(d->hDC, e.name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(d->hDC, oldColor);
    SetBkMode(d->hDC, oldMode);
    SelectObject(d->hDC, oldFont);
    if (d->itemState & ODS_FOCUS) DrawFocusRect(d->hDC, &r);
}

void DestroyGlyphs(OpenState& s) {
    if (s.glyphs) ImageList_Destroy(s.glyphs);
    s.glyphs = nullptr;
}

} // namespace win::ofn
