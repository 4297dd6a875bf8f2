#include "app/ustawienia.h"
