// The sizes a host compiling the public headers sees. The library pins the
// same layouts field by field in its own sources; a host unit that sees
// another size (a packing that leaked in from an earlier header, a macro
// that changed a type) fails here, naming the class. A header that leaves
// its packing in force is named by the unit that includes it first.
#pragma once

// The size on x86-64, and on i686.
#define HOST_SIZE(type, x64, i686) \
    static_assert(sizeof(type) == (sizeof(void*) == 8 ? (x64) : (i686)), "host sees another sizeof(" #type ")")

// CSymbolInfo pins its layout in its own header, which every host unit compiles.
HOST_SIZE(CSymbolSearchEntry, 26, 14);
HOST_SIZE(CSearchList, 40, 20);
HOST_SIZE(CSearchEdit, 155, 79);
HOST_SIZE(CSymbolSearchList, 40, 20);
HOST_SIZE(CSymbolSearchEdit, 226, 134);
HOST_SIZE(CDragListBoxEx, 58, 42);
HOST_SIZE(SEdit, 40, 20);
HOST_SIZE(SButton, 40, 20);
HOST_SIZE(SCComboBox, 56, 28);
HOST_SIZE(SDateTimeCtrl, 40, 20);
HOST_SIZE(SListBox, 40, 20);
HOST_SIZE(SStatic, 40, 20);
HOST_SIZE(NoSpecialEdit, 56, 28);
HOST_SIZE(CMemDrawDC, 64, 40);
HOST_SIZE(MyRichEdit, 32, 16);
HOST_SIZE(SMXTabColorSet, 60, 56);
HOST_SIZE(CHoverButton, 164, 88);
HOST_SIZE(CCJRadioButton, 72, 44);
HOST_SIZE(CXHyperLink, 180, 116);
HOST_SIZE(MXPrintPreviewWnd, sizeof(CDialog) + 351, sizeof(CDialog) + 183);
