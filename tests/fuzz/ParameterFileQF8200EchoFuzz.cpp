// QF8200Echo parameter files (see ParameterFileFuzz.h).
#include "FuzzSupport.h"
#include "ParameterFileFuzz.h"

#include "editors/qf8200echo/frmQF8200Echo.h"

ZELVO_PARAMETER_FILE_TARGET(frmQF8200Echo)
