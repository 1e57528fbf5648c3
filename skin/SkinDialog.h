// CSkinDialog: the skin's dialog class; it adds nothing to CDialogEx (not even message-map entries)
// and nothing creates one.
#pragma once

#include "framework/docview/Dialog.h"

class CSkinDialog : public CDialogEx
{
    DECLARE_DYNAMIC(CSkinDialog)
};
