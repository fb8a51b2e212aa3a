#pragma once

// The enumerations and sets that form definitions use, registered with Qt's
// meta-object system so that definitions name their values by key.

#include <QObject>

namespace Tk {
Q_NAMESPACE

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)

enum class TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
Q_ENUM_NS(TPosition)

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)

enum class TBorderIcon { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)

enum class TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_FLAG_NS(TFontStyles)

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
Q_ENUM_NS(TButtonLayout)

enum class TButtonStyle { bsAutoDetect, bsWin31, bsNew };
Q_ENUM_NS(TButtonStyle)

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
Q_ENUM_NS(TBitBtnKind)

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
Q_ENUM_NS(TBevelShape)

enum class TBevelStyle { bsLowered, bsRaised };
Q_ENUM_NS(TBevelStyle)

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
Q_ENUM_NS(TShapeType)

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
Q_ENUM_NS(TPenStyle)

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
Q_ENUM_NS(TListBoxStyle)

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

enum class TGridOption {
    goFixedVertLine = 0x1,
    goFixedHorzLine = 0x2,
    goVertLine = 0x4,
    goHorzLine = 0x8,
    goRangeSelect = 0x10,
    goDrawFocusSelected = 0x20,
    goRowSizing = 0x40,
    goColSizing = 0x80,
    goRowMoving = 0x100,
    goColMoving = 0x200,
    goEditing = 0x400,
    goTabs = 0x800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_FLAG_NS(TGridOptions)

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
Q_ENUM_NS(TCheckBoxState)

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum class TShiftStateFlag { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
Q_ENUM_NS(TCloseAction)

enum class TScrollBarKind { sbHorizontal, sbVertical };
Q_ENUM_NS(TScrollBarKind)

enum class TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
Q_ENUM_NS(TEditCharCase)

// Cursor shapes by the platform's numbering.
enum class TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22
};
Q_ENUM_NS(TCursor)

// Colours are 32-bit values, blue in the high byte, red in the low byte; values
// with the top bit set name a system colour by index.
enum class TColor : int {
    clBlack = 0x000000,
    clMaroon = 0x000080,
    clGreen = 0x008000,
    clOlive = 0x008080,
    clNavy = 0x800000,
    clPurple = 0x800080,
    clTeal = 0x808000,
    clGray = 0x808080,
    clSilver = 0xC0C0C0,
    clRed = 0x0000FF,
    clLime = 0x00FF00,
    clYellow = 0x00FFFF,
    clBlue = 0xFF0000,
    clFuchsia = 0xFF00FF,
    clAqua = 0xFFFF00,
    clWhite = 0xFFFFFF,
    clNone = 0x1FFFFFFF,
    clDefault = 0x20000000,
    clScrollBar = int(0x80000000),
    clBackground = int(0x80000001),
    clActiveCaption = int(0x80000002),
    clInactiveCaption = int(0x80000003),
    clMenu = int(0x80000004),
    clWindow = int(0x80000005),
    clWindowFrame = int(0x80000006),
    clMenuText = int(0x80000007),
    clWindowText = int(0x80000008),
    clCaptionText = int(0x80000009),
    clActiveBorder = int(0x8000000A),
    clInactiveBorder = int(0x8000000B),
    clAppWorkSpace = int(0x8000000C),
    clHighlight = int(0x8000000D),
    clHighlightText = int(0x8000000E),
    clBtnFace = int(0x8000000F),
    clBtnShadow = int(0x80000010),
    clGrayText = int(0x80000011),
    clBtnText = int(0x80000012),
    clInactiveCaptionText = int(0x80000013),
    clBtnHighlight = int(0x80000014),
    cl3DDkShadow = int(0x80000015),
    cl3DLight = int(0x80000016),
    clInfoText = int(0x80000017),
    clInfoBk = int(0x80000018)
};
Q_ENUM_NS(TColor)

} // namespace Tk

Q_DECLARE_OPERATORS_FOR_FLAGS(Tk::TBorderIcons)
Q_DECLARE_OPERATORS_FOR_FLAGS(Tk::TFontStyles)
Q_DECLARE_OPERATORS_FOR_FLAGS(Tk::TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(Tk::TShiftState)
