po prostu wylosuj
użyj najrzadziej losowanej liczby Euro
użyj najdłużej zaległej liczby Euro
