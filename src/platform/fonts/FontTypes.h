// Records and constants of fonts and text output: LOGFONT, TEXTMETRIC, the family enumeration records, and
// the FW_, charset, precision, quality, pitch-and-family, TA_, ETO_ and DT_ values.
#pragma once

#include "platform/win/types.h"

namespace win {

// Face names are UTF-8. The platform allows LF_FACESIZE characters including the terminator; in UTF-8 such a
// name takes up to three bytes per character, so the field holds LF_FACESIZE_BYTES bytes ("宋体" takes 6 and
// its terminator). Names are stored zero-terminated and cut on a character boundary when too long; read them
// with strnlen(lfFaceName, sizeof lfFaceName).
constexpr int LF_FACESIZE = 32;
constexpr int LF_FACESIZE_BYTES = 96;
constexpr int LF_FULLFACESIZE = 64;
constexpr int LF_FULLFACESIZE_BYTES = 192;

struct LOGFONT {
    LONG lfHeight = 0; // > 0: cell height (internal leading included); < 0: character height; 0: a default
    LONG lfWidth = 0;  // average character width; 0: the face's own proportions
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0; // FW_*; 0 means FW_NORMAL
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE_BYTES] = {};
};
using LOGFONTA = LOGFONT;
using LOGFONTW = LOGFONT;
using PLOGFONT = LOGFONT*;
using LPLOGFONT = LOGFONT*;

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 0;
    LONG tmDigitizedAspectY = 0;
    WCHAR tmFirstChar = 0;
    WCHAR tmLastChar = 0;
    WCHAR tmDefaultChar = 0;
    WCHAR tmBreakChar = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0; // TMPF_* bits and the FF_* family in the high nibble
    BYTE tmCharSet = 0;
};
using TEXTMETRICA = TEXTMETRIC;
using TEXTMETRICW = TEXTMETRIC;
using LPTEXTMETRIC = TEXTMETRIC*;

// The text metrics of the family enumeration: a TEXTMETRIC with more, so that a callback may read either.
struct NEWTEXTMETRIC : TEXTMETRIC {
    DWORD ntmFlags = 0;
    UINT ntmSizeEM = 0;
    UINT ntmCellHeight = 0;
    UINT ntmAvgWidth = 0;
};

struct FONTSIGNATURE {
    DWORD fsUsb[4] = {0, 0, 0, 0};
    DWORD fsCsb[2] = {0, 0};
};

struct NEWTEXTMETRICEX {
    NEWTEXTMETRIC ntmTm;
    FONTSIGNATURE ntmFontSig;
};

struct ENUMLOGFONT {
    LOGFONT elfLogFont;
    char elfFullName[LF_FULLFACESIZE_BYTES] = {};
    char elfStyle[LF_FACESIZE_BYTES] = {};
};

struct ENUMLOGFONTEX {
    LOGFONT elfLogFont;
    char elfFullName[LF_FULLFACESIZE_BYTES] = {};
    char elfStyle[LF_FACESIZE_BYTES] = {};
    char elfScript[LF_FACESIZE_BYTES] = {};
};

// The callback of EnumFontFamilies(Ex): the LOGFONT is the start of an ENUMLOGFONTEX and the TEXTMETRIC the
// start of a NEWTEXTMETRICEX. A return of 0 stops the enumeration.
using FONTENUMPROC = int (*)(const LOGFONT* logFont, const TEXTMETRIC* metrics, DWORD fontType,
                             LPARAM lParam);
using FONTENUMPROCA = FONTENUMPROC;
using FONTENUMPROCW = FONTENUMPROC;

// Weights.
constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_THIN = 100;
constexpr LONG FW_EXTRALIGHT = 200;
constexpr LONG FW_ULTRALIGHT = 200;
constexpr LONG FW_LIGHT = 300;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_REGULAR = 400;
constexpr LONG FW_MEDIUM = 500;
constexpr LONG FW_SEMIBOLD = 600;
constexpr LONG FW_DEMIBOLD = 600;
constexpr LONG FW_BOLD = 700;
constexpr LONG FW_EXTRABOLD = 800;
constexpr LONG FW_ULTRABOLD = 800;
constexpr LONG FW_HEAVY = 900;
constexpr LONG FW_BLACK = 900;

// Character sets.
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SYMBOL_CHARSET = 2;
constexpr BYTE MAC_CHARSET = 77;
constexpr BYTE SHIFTJIS_CHARSET = 128;
constexpr BYTE HANGUL_CHARSET = 129;
constexpr BYTE JOHAB_CHARSET = 130;
constexpr BYTE GB2312_CHARSET = 134;
constexpr BYTE CHINESEBIG5_CHARSET = 136;
constexpr BYTE GREEK_CHARSET = 161;
constexpr BYTE TURKISH_CHARSET = 162;
constexpr BYTE VIETNAMESE_CHARSET = 163;
constexpr BYTE HEBREW_CHARSET = 177;
constexpr BYTE ARABIC_CHARSET = 178;
constexpr BYTE BALTIC_CHARSET = 186;
constexpr BYTE RUSSIAN_CHARSET = 204;
constexpr BYTE THAI_CHARSET = 222;
constexpr BYTE EASTEUROPE_CHARSET = 238;
constexpr BYTE OEM_CHARSET = 255;

// Output precision.
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_STRING_PRECIS = 1;
constexpr BYTE OUT_CHARACTER_PRECIS = 2;
constexpr BYTE OUT_STROKE_PRECIS = 3;
constexpr BYTE OUT_TT_PRECIS = 4;
constexpr BYTE OUT_DEVICE_PRECIS = 5;
constexpr BYTE OUT_RASTER_PRECIS = 6;
constexpr BYTE OUT_TT_ONLY_PRECIS = 7;
constexpr BYTE OUT_OUTLINE_PRECIS = 8;
constexpr BYTE OUT_SCREEN_OUTLINE_PRECIS = 9;
constexpr BYTE OUT_PS_ONLY_PRECIS = 10;

// Clipping precision.
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_CHARACTER_PRECIS = 1;
constexpr BYTE CLIP_STROKE_PRECIS = 2;
constexpr BYTE CLIP_MASK = 0xF;
constexpr BYTE CLIP_LH_ANGLES = 0x10;
constexpr BYTE CLIP_TT_ALWAYS = 0x20;
constexpr BYTE CLIP_EMBEDDED = 0x80;

// Quality.
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DRAFT_QUALITY = 1;
constexpr BYTE PROOF_QUALITY = 2;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE CLEARTYPE_QUALITY = 5;
constexpr BYTE CLEARTYPE_NATURAL_QUALITY = 6;

// Pitch and family of a LOGFONT (pitch in the low two bits, family in the high nibble).
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE MONO_FONT = 8;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;
constexpr BYTE FF_SCRIPT = 0x40;
constexpr BYTE FF_DECORATIVE = 0x50;

// Pitch and family of a TEXTMETRIC. Note the inverted sense of the first bit, as on the platform: it is set
// for a font that is NOT fixed pitch.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;
constexpr BYTE TMPF_DEVICE = 0x08;

// Font types passed to the enumeration callback.
constexpr DWORD RASTER_FONTTYPE = 0x0001;
constexpr DWORD DEVICE_FONTTYPE = 0x0002;
constexpr DWORD TRUETYPE_FONTTYPE = 0x0004;

// NEWTEXTMETRIC::ntmFlags.
constexpr DWORD NTM_ITALIC = 0x00000001;
constexpr DWORD NTM_BOLD = 0x00000020;
constexpr DWORD NTM_REGULAR = 0x00000040;
constexpr DWORD NTM_NONNEGATIVE_AC = 0x00010000;
constexpr DWORD NTM_PS_OPENTYPE = 0x00020000;
constexpr DWORD NTM_TT_OPENTYPE = 0x00040000;

// Text alignment (SetTextAlign).
constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;
constexpr UINT TA_RTLREADING = 256;
constexpr UINT TA_MASK = TA_BASELINE + TA_CENTER + TA_UPDATECP + TA_RTLREADING;

// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;
constexpr UINT ETO_GLYPH_INDEX = 0x0010;
constexpr UINT ETO_RTLREADING = 0x0080;
constexpr UINT ETO_NUMERICSLOCAL = 0x0400;
constexpr UINT ETO_NUMERICSLATIN = 0x0800;
constexpr UINT ETO_IGNORELANGUAGE = 0x1000;
constexpr UINT ETO_PDY = 0x2000;

// DrawText formats.
constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_TABSTOP = 0x00000080;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_INTERNAL = 0x00001000;
constexpr UINT DT_EDITCONTROL = 0x00002000;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_MODIFYSTRING = 0x00010000;
constexpr UINT DT_RTLREADING = 0x00020000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;
constexpr UINT DT_NOFULLWIDTHCHARBREAK = 0x00080000;
constexpr UINT DT_HIDEPREFIX = 0x00100000;
constexpr UINT DT_PREFIXONLY = 0x00200000;

} // namespace win
