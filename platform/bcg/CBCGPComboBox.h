#pragma once
// The themed combo box, bound to a template's combo box with DDX_Control.

#include "../mfc/CComboBox.h"

class CBCGPComboBox : public CComboBox {};
