// CSkinDialog: run-time class.
#include "skin/SkinDialog.h"

IMPLEMENT_DYNAMIC(CSkinDialog, CDialogEx)
