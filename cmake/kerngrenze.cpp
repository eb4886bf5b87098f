// Links the whole core with nothing of the windows: the build fails when a core file uses a widget.
int main() { return 0; }
