#pragma once

#include <QtGlobal>

#if defined(SYSKNOT_BUILDING)
#define SYSKNOT_EXPORT Q_DECL_EXPORT
#else
#define SYSKNOT_EXPORT Q_DECL_IMPORT
#endif
