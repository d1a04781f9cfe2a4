ab
cdtail-without-cr