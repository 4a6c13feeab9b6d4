#pragma once

// Everything a callback module may use of the toolkit.
#include "toolkit/WSCbase.h"
#include "toolkit/WSCfunctionRegister.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSCprocedure.h"
#include "toolkit/WSCstring.h"
#include "toolkit/WSCvariant.h"
#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSapplication.h"
#include "toolkit/WSband.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/WSevents.h"
#include "toolkit/WSwidgets.h"
