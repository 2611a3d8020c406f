// test_mainwin drives windows against the link tests' fake port as well.
#include "link/FakeSerialControl.cpp"
