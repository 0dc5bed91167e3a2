// The uninstall run: what Execute does once the user has confirmed, and the
// texts it shows.
#pragma once

#include "framework/String.h"

// Where the product is installed: the installation folder's value, read
// only when the version key exists (reading never creates it); empty when
// there is none or it cannot be read.
CString InstalledFolder();

// The refusal to show while one of the product's own programs is open, or
// NULL when none is.
LPCSTR RunningProgramMessage();

// Removes the stock book (when bDeleteStockBook), the installation folder, the
// Start-menu group, the product's registry keys and its uninstall entry, in
// that order; answers how many of these five steps succeeded. The running
// program first moves itself out of those folders (SelfRemoval).
int RemoveProduct(BOOL bDeleteStockBook);

// The report for a count from RemoveProduct.
LPCSTR OutcomeMessage(int removedCount);

extern const char kConfirmMessage[];
