// Compiled with the include folders of one layer only: it includes the header named
// by ZEP_PROBE_HEADER, which builds when that header is in the layer or below it.
#include ZEP_PROBE_HEADER
