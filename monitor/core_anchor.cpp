// Keeps the portable core library non-empty while its folders fill up.
namespace vigil { int coreAnchor() { return 0; } }
