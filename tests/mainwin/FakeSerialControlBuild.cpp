// test_mainwin drives its windows against the link tests' fake port.
#include "link/FakeSerialControl.cpp"
