// Metafiles as the drawing calls know them: an enhanced metafile made from its bytes, or from an old-style
// metafile and the picture size it is meant for, played into a rectangle of a context record by record.
#pragma once

#include "platform/win/gdi_types.h"

namespace win {

// Mapping modes.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

// The picture an old-style metafile draws: its mapping mode and its size in hundredths of a millimetre.
struct METAFILEPICT {
    LONG mm = MM_ANISOTROPIC;
    LONG xExt = 0;
    LONG yExt = 0;
    HMETAFILE hMF = nullptr;
};

// An enhanced metafile holding a copy of the bytes; null (ERROR_INVALID_DATA) unless they start with a whole
// header whose sizes agree with the data.
HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data);
// An enhanced metafile that plays an old-style metafile (without a placeable header) as a picture of
// picture->xExt x picture->yExt hundredths of a millimetre, its own window (set by its records) filling the
// picture. Null (ERROR_INVALID_DATA) unless the old-style header is whole and its size agrees with the data.
HENHMETAFILE SetWinMetaFileBits(UINT size, const BYTE* data, HDC reference, const METAFILEPICT* picture);
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
// Plays every record with the picture's frame mapped onto rect; records it does not know are skipped, and so
// is a record whose data does not hold what it names. The context's objects, colours, modes and clipping are
// as before afterwards.
BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE metafile, const RECT* rect);

} // namespace win
