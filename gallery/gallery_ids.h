// Control ids of the skin gallery, stable so that tests and scripts can find each control with GetDlgItem.
#pragma once

enum GalleryId : int {
    // Buttons.
    kGalleryPushButton = 1001,
    kGalleryPushButtonDisabled = 1002,
    kGalleryCheckBox = 1003,
    kGalleryCheckBoxChecked = 1004,
    kGalleryRadioFirst = 1005,
    kGalleryRadioSecond = 1006,
    // Labels.
    kGalleryLabel = 1101,
    kGalleryLabelCentred = 1102,
    // Edit and combo boxes.
    kGalleryEditSingle = 1201,
    kGalleryEditMulti = 1202,
    kGalleryComboSimple = 1203,
    kGalleryComboDropDown = 1204,
    kGalleryComboDropList = 1205,
    // The list family.
    kGalleryListBox = 1301,
    kGalleryListView = 1302,
    kGalleryTreeView = 1303,
    kGalleryIpAddress = 1304,
    kGalleryDatePicker = 1305,
    // Track bars.
    kGalleryTrackHorizontal = 1401,
    kGalleryTrackHorizontalSelection = 1402,
    kGalleryTrackVertical = 1403,
    kGalleryTrackVerticalSelection = 1404,
    // Up-down controls.
    kGalleryUpDownVertical = 1501,
    kGalleryUpDownHorizontal = 1502,
    // Progress bars: empty, half and full, in both orientations.
    kGalleryProgressEmpty = 1601,
    kGalleryProgressHalf = 1602,
    kGalleryProgressFull = 1603,
    kGalleryProgressVerticalEmpty = 1604,
    kGalleryProgressVerticalHalf = 1605,
    kGalleryProgressVerticalFull = 1606,
    // Toolbars: every state and style, a wrapped row with texts below icons, one hosting an edit and a combo box.
    kGalleryToolbarStates = 1701,
    kGalleryToolbarWrapped = 1702,
    kGalleryToolbarHost = 1703,
    kGalleryToolbarEdit = 1704,
    kGalleryToolbarCombo = 1705,
};

// Class and title of the gallery's window.
inline constexpr wchar_t kGalleryClass[] = L"ShibeiSkinGallery";
inline constexpr wchar_t kGalleryTitle[] = L"拾贝 皮肤展示";
