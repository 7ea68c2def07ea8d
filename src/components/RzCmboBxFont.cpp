// TRzFontComboBox: the list of installed font families from the platform's family enumeration, the selected
// font handed out as a TFont, selection by name, and the entries drawn with a glyph for the kind of font.
#include "components/RzCmboBx.h"

#include "framework/graphics/Canvas.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"

#include <cstring>

namespace gl {

TRzFontComboBox::TRzFontComboBox(TComponent* owner)
    : TRzCustomComboBox(owner), m_resultFont(std::make_unique<TFont>()) {
    SetStyle(csOwnerDrawFixed);
    SetSorted(true);
    SetDropDownCount(14);
    m_resultFont->SetSize(8);
    // A pop-up of its own beside the open list, owned by the box.
    m_previewPanel = new TRzPreviewFontPanel(this);
}

TRzFontComboBox::~TRzFontComboBox() = default;

// ---- The list ----

int TRzFontComboBox::EnumFamily(const win::LOGFONT* logFont, const win::TEXTMETRIC* metrics, win::DWORD,
                                win::LPARAM lParam) {
    if (logFont && metrics) reinterpret_cast<TRzFontComboBox*>(lParam)->AddFamily(*logFont, *metrics);
    // Every family is asked for: the enumeration never stops early.
    return 1;
}

void TRzFontComboBox::AddFamily(const win::LOGFONT& logFont, const win::TEXTMETRIC& metrics) {
    const win::BYTE pitch = metrics.tmPitchAndFamily;
    if (logFont.lfCharSet == win::SYMBOL_CHARSET && !m_showSymbolFonts) return;
    switch (m_fontType) {
    case ftTrueType:
        if (!(pitch & win::TMPF_TRUETYPE)) return;
        break;
    case ftFixedPitch:
        // The bit's name is the opposite of its meaning: set means variable pitch.
        if (pitch & win::TMPF_FIXED_PITCH) return;
        break;
    case ftPrinter:
        return;
    default:
        break;
    }
    // The face name is read up to its terminating zero, never beyond its field.
    const std::string name(logFont.lfFaceName, strnlen(logFont.lfFaceName, sizeof logFont.lfFaceName));
    Items()->AddObject(name, static_cast<TObjectWord>(pitch & 0x0F));
}

void TRzFontComboBox::LoadFontList() {
    // There is no printer: the printer's families are the screen's.
    const win::WindowDC screen(nullptr);
    win::EnumFontFamilies(screen, nullptr, &TRzFontComboBox::EnumFamily, reinterpret_cast<win::LPARAM>(this));
}

void TRzFontComboBox::EnsureFontList() {
    if (m_listLoaded) return;
    m_listLoaded = true;
    Items()->Clear();
    LoadFontList();
}

std::vector<TRzFontComboBox::MRUEntry> TRzFontComboBox::MRUEntries() const {
    std::vector<MRUEntry> entries;
    for (int i = 0; i <= m_mruCount && i < Items()->Count(); ++i)
        entries.push_back({Items()->Strings(i), Items()->Objects(i)});
    return entries;
}

void TRzFontComboBox::RestoreMRU(const std::vector<MRUEntry>& entries) {
    // The section comes back above the new list, less the fonts the new list no longer holds, so the count
    // always tells where the section ends.
    int kept = 0;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (Items()->IndexOf(entry->name) < 0) continue;
        Items()->InsertObject(0, entry->name, entry->object);
        ++kept;
    }
    m_mruCount = kept - 1;
}

void TRzFontComboBox::ReloadFontList() {
    if (!m_listLoaded) return;
    const std::string saved = FontName();
    const std::vector<MRUEntry> mru = MRUEntries();
    m_listLoaded = false;
    EnsureFontList();
    RestoreMRU(mru);
    if (!saved.empty()) SetFontName(saved);
}

void TRzFontComboBox::CreateWnd() {
    TRzCustomComboBox::CreateWnd();
    // A first window fills the list; a new one rebuilds it.
    EnsureFontList();
    if (!m_savedMRU.empty()) RestoreMRU(m_savedMRU);
    m_savedMRU.clear();
    if (!m_savedName.empty()) SetFontName(m_savedName);
    m_savedName.clear();
}

void TRzFontComboBox::DestroyWnd() {
    m_savedName = FontName();
    m_savedMRU = MRUEntries();
    HidePreview();
    TRzCustomComboBox::DestroyWnd();
    Items()->Clear();
    m_listLoaded = false;
}

// ---- The recently used section ----

void TRzFontComboBox::CloseUp() {
    TRzCustomComboBox::CloseUp();
    Invalidate();
    if (m_showStyle == ssFontPreview) HidePreview();
    UpdateMRU();
}

void TRzFontComboBox::UpdateMRU() {
    const int selected = ItemIndex();
    if (!m_maintainMRUFonts || selected <= 0) return;
    const std::string name = Items()->Strings(selected);
    const TObjectWord object = Items()->Objects(selected);
    int found = -1;
    for (int i = 0; i <= m_mruCount && i < Items()->Count(); ++i)
        if (Items()->Strings(i) == name) {
            found = i;
            break;
        }
    if (found >= 0) {
        Items()->Delete(found);
        Items()->InsertObject(0, name, object);
    } else {
        Items()->InsertObject(0, name, object);
        if (selected > m_mruCount) ++m_mruCount;
    }
    // Entry 0 carries the same name: the selected font does not change, and no one is told.
    SetItemIndex(0);
}

void TRzFontComboBox::SetFontDevice(TRzFontDevice device) {
    if (m_fontDevice == device) return;
    m_fontDevice = device;
    ReloadFontList();
}

void TRzFontComboBox::SetFontType(TRzFontType type) {
    if (m_fontType == type) return;
    m_fontType = type;
    ReloadFontList();
}

void TRzFontComboBox::SetShowSymbolFonts(bool show) {
    if (m_showSymbolFonts == show) return;
    m_showSymbolFonts = show;
    ReloadFontList();
}

void TRzFontComboBox::SetShowStyle(TRzShowStyle style) {
    if (m_showStyle == style) return;
    m_showStyle = style;
    Invalidate();
}

// ---- The selected font ----

TFont* TRzFontComboBox::CurrentFont() {
    const std::string name = FontName();
    if (name.empty()) return nullptr;
    // Only the face, size and style are the selection's; the rest stays as the font was made.
    m_resultFont->SetName(name);
    m_resultFont->SetSize(m_fontSize);
    m_resultFont->SetStyle(m_fontStyle);
    return m_resultFont.get();
}

void TRzFontComboBox::SetCurrentFont(const TFont* font) {
    SetFontName(font ? font->Name() : std::string());
}

std::string TRzFontComboBox::FontName() {
    EnsureFontList();
    const int index = ItemIndex();
    return index >= 0 && index < Items()->Count() ? Items()->Strings(index) : std::string();
}

void TRzFontComboBox::SetFontName(const std::string& name) {
    EnsureFontList();
    // The whole name, without regard to case; none clears the selection. Selecting from code tells no one.
    SetItemIndex(name.empty() ? -1 : Items()->IndexOf(name));
}

} // namespace gl
