// LongPath: the long form of a full path, so that a folder written by its
// 8.3 short name is known for what it is.
#pragma once

#include "framework/String.h"

// The long form of path, whose root ("X:\" or "\\server\share\") takes
// rootLength bytes: by GetLongPathNameA on 98, Me, 2000 and later, by
// LongPathByListing on 95 and NT 4.0. Empty when some component does not
// exist or the long form does not fit MAX_PATH.
CString LongPathName(const CString& path, int rootLength);

// The long form built component by component, each as FindFirstFileA lists
// it. Wildcard characters are never looked up: such a path gives empty.
CString LongPathByListing(const CString& path, int rootLength);
