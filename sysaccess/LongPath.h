// LongPath: the long form of a full path, so that a folder written by its
// 8.3 short name is known for what it is.
#pragma once

#include "framework/String.h"

// The byte length of a full path's root, "X:\" or "\\server\share\" (server
// and share not empty); 0 when the path has neither form.
int RootLength(const CString& path);

// The long form of a full path: by GetLongPathNameA on 98, Me, 2000 and
// later, by LongPathByListing on 95 and NT 4.0. Empty when the path is not
// full, some component does not exist or the long form does not fit MAX_PATH.
CString LongPathName(const CString& path);

// The long form built component by component, each as FindFirstFileA lists
// it. Wildcard characters are never looked up: such a path gives empty.
CString LongPathByListing(const CString& path);
