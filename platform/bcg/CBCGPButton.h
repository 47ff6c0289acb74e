#pragma once
// The themed button, bound to a template's button or check box with DDX_Control.

#include "platform/mfc/CButton.h"

class CBCGPButton : public CButton {};
