// QF8200RDX parameter files (see ParameterFileFuzz.h).
#include "FuzzSupport.h"
#include "ParameterFileFuzz.h"

#include "editors/qf8200rdx/frmQF8200RDX.h"

ZELVO_PARAMETER_FILE_TARGET(frmQF8200RDX)
