#pragma once

class SessionDriver;

// Registers, for every demonstration window, the promises it keeps after any step of a session.
void installInvariants(SessionDriver &driver);
