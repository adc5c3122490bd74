#pragma once
int RunLint(int argc, char** argv);
