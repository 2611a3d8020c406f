// QF8200 parameter files (see ParameterFileFuzz.h).
#include "FuzzSupport.h"
#include "ParameterFileFuzz.h"

#include "editors/qf8200/frmQF8200.h"

ZELVO_PARAMETER_FILE_TARGET(frmQF8200)
