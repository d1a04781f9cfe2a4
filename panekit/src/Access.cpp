#include "panekit/Access.h"

CAccess::CAccess() {}

CAccess::CAccess(const CAccess&) {}

CAccess& CAccess::operator=(const CAccess&) { return *this; }

CAccess::~CAccess() {}
