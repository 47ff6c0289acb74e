#pragma once
// The themed button, bound to a template's button or check box with DDX_Control.

#include "../mfc/CButton.h"

class CBCGPButton : public CButton {};
