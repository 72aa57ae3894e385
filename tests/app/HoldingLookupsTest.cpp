#include "AppFixture.h"
