// The record players of the two kinds of metafile, behind PlayEnhMetaFile.
#pragma once

#include "platform/win/gdi_types.h"

#include <vector>

namespace win {

// Enhanced metafile records, the header's frame mapped onto rect.
void PlayEnhancedRecords(HDC hdc, const std::vector<BYTE>& data, const RECT& rect);
// Old-style records (after their own header), the picture of width x height reference pixels mapped onto
// rect and the metafile's window onto the picture.
void PlayOldStyleRecords(HDC hdc, const std::vector<BYTE>& data, const RECT& rect, double width,
                         double height);

} // namespace win
