#include "CXTListBox.h"

BEGIN_MESSAGE_MAP(CXTListBox, CListBox)
END_MESSAGE_MAP()

CXTListBox::CXTListBox() = default;

CXTListBox::~CXTListBox() = default;
