#include "gallery_setup/hgsiwin.h"
