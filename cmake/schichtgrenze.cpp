// Links one layer with the layers below it and nothing above: the build fails when a file of the
// layer uses a symbol that only a higher layer defines (a widget in the core among them).
int main() { return 0; }
