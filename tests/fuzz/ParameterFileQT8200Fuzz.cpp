// QT8200 parameter files (see ParameterFileFuzz.h).
#include "FuzzSupport.h"
#include "ParameterFileFuzz.h"

#include "editors/qt8200/frmQT8200.h"

ZELVO_PARAMETER_FILE_TARGET(frmQT8200)
