// Control identifiers of the plain dialog's template (shared by the resource script and the code).
#pragma once

#define IDC_PLAIN_COMBO_DROPDOWN 201
#define IDC_PLAIN_COMBO_SIMPLE 202
#define IDC_PLAIN_COMBOEX 203
#define IDC_PLAIN_TABS 204
#define IDC_PLAIN_TOOLBAR 205
#define IDC_PLAIN_PROGRESS 206
#define IDC_PLAIN_ANIMATION 207
#define IDC_PLAIN_CHECK 208
#define IDC_PLAIN_RADIO1 209
#define IDC_PLAIN_RADIO2 210
#define IDC_PLAIN_GROUP 211
