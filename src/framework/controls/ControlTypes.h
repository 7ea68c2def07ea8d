// The small types every control uses: alignment and anchors, mouse buttons and shift
// states, cursors, and the state and style flags of a control.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/Set.h"
#include "framework/core/Types.h"
#include "platform/win/types.h"

#include <cstdint>
#include <functional>

namespace gl {

// Where a control sits in its parent: alTop, alBottom, alLeft and alRight take the whole width or height at
// that edge of what is left of the parent's client area, alClient takes the rest.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// Horizontal placement of a caption.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// The border of a window: a form may take any of these; a control (TBorderStyle) only none or single.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// Cursors: crDefault leaves the choice to the window class; the others name the platform's system cursors.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

// The platform cursor for a cursor value (the arrow for values without a cursor of their own); null for
// crNone and crDefault.
win::HCURSOR CursorHandle(TCursor cursor);

// What a control is doing at the moment.
enum TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csRecreating,
};
using TControlState = TSet<TControlStateItem>;

// What a control class is: fixed per class, set by its constructor.
enum TControlStyleItem {
    csAcceptsControls, // may hold child controls (its window clips them)
    csCaptureMouse,    // captures the mouse while a button is down on it
    csDesignInteractive,
    csClickEvents, // a press and release inside it is a click
    csFramed,
    csSetCaption,   // copies its name into its text while the text still equals the name
    csOpaque,       // paints every pixel of its rectangle: nothing behind it needs erasing
    csDoubleClicks, // takes double clicks as such (otherwise they arrive as a second press)
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents, // raises no mouse and key events of its own
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleItem>;

// Events of controls.
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TMouseWheelEvent =
    std::function<void(TObject* sender, TShiftState shift, int wheelDelta, TPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* sender, TShiftState shift, TPoint mousePos, bool& handled)>;
// The key is a virtual-key code; a handler that sets it to 0 swallows the key.
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
// The key is a character (a Unicode code point); a handler that sets it to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;

// The shift state of a mouse message's key flags (Alt read from the keyboard), and of a key message.
TShiftState KeysToShiftState(win::WPARAM keys);
TShiftState KeyDataToShiftState(win::LPARAM keyData);

inline bool PointInRect(const TRect& rect, TPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

} // namespace gl
